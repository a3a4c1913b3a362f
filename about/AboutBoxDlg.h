#pragma once
// The About box: the program's name, version and two links, to the web
// site and to support.
#include "about/LinkLabel.h"
#include "framework/Dialog.h"

class CAboutBoxDlg : public CDialog {
 public:
  explicit CAboutBoxDlg(HWND parent = nullptr);

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  CLinkLabel* LinkOf(HWND control);

  CLinkLabel m_webSite;
  CLinkLabel m_support;
};

constexpr char kWebSiteAddress[] = "https://www.quarrelwood.example.com/stowpouch";
constexpr char kSupportAddress[] = "mailto:support@quarrelwood.example.com";
