#pragma once
// Small wrappers over the messages of the standard controls the dialogs use,
// and the texts of other programs' windows as the dialogs show them.
#include <windows.h>

#include <string>
#include <vector>

// A window's title or class name, cut to 511 characters; empty when the
// window has none or has gone.
constexpr int kWindowTextCapacity = 512;
std::string WindowTitle(HWND window);
std::string WindowClassName(HWND window);
// The whole text of one of our own controls, however long.
std::string ControlText(HWND control);

// List box rows. Indices are rows from 0; -1 is "none" (LB_ERR).
int ListBoxAdd(HWND list, const std::string& text);
int ListBoxInsert(HWND list, int row, const std::string& text);
void ListBoxDelete(HWND list, int row);
void ListBoxClear(HWND list);
int ListBoxCount(HWND list);
int ListBoxSelection(HWND list);
void ListBoxSelect(HWND list, int row);
std::string ListBoxText(HWND list, int row);

// Combo box of the drop-down list kind.
int ComboBoxAdd(HWND combo, const std::string& text);

// List view of the report kind. Rows count from 0; -1 is "none".
void ListViewAddColumn(HWND view, int column, const std::string& heading);
// Inserts a row with the texts of its columns from the first on; the row it
// went to, or -1.
int ListViewInsertRow(HWND view, int row, const std::vector<std::string>& texts);
void ListViewDeleteRow(HWND view, int row);
void ListViewClear(HWND view);
int ListViewCount(HWND view);
// The first selected row.
int ListViewSelection(HWND view);
// Selects and focuses `row` and scrolls it into view.
void ListViewSelect(HWND view, int row);
// Each of the first `columns` columns as wide as its heading or its widest
// text, whichever is wider.
void ListViewFitColumns(HWND view, int columns);

void EnableControl(HWND dialog, int id, bool enable);
