#include "windows/PouchRules.h"

#include <gtest/gtest.h>

#include "settings/SettingsRecord.h"

namespace {

const BuiltInClassNames kBuiltIn{"CabinetWClass", "ExploreWClass", "IEFRAME",
                                 "Afx:400000:b:10008:6:170420"};

SettingsRecord Switches(int folder, int explorer, int iexplorer, int netscape = 0) {
  SettingsRecord settings;
  settings.Folder = folder;
  settings.Explorer = explorer;
  settings.IExplorer = iexplorer;
  settings.Netscape = netscape;
  return settings;
}

TEST(KindClassNames, FrameClassesAlwaysListedOthersByTheirSwitch) {
  SettingsRecord settings = Switches(0, 0, 0);
  settings.UserClassName = {"Notepad", "CabinetWClass"};
  const KindClassLists off = KindClassNames(settings, kBuiltIn);
  EXPECT_EQ(off[0], (ClassNameList{"CabinetWClass"}));
  EXPECT_TRUE(off[1].empty());
  EXPECT_EQ(off[2], (ClassNameList{"IEFRAME"}));
  EXPECT_TRUE(off[3].empty());
  EXPECT_EQ(off[4], settings.UserClassName);

  const KindClassLists on = KindClassNames(Switches(1, 1, 1, 1), kBuiltIn);
  EXPECT_EQ(on[1], (ClassNameList{"ExploreWClass"}));
  EXPECT_EQ(on[3], (ClassNameList{"Afx:400000:b:10008:6:170420"}));
  // Only exactly 1 switches a kind on.
  EXPECT_TRUE(KindClassNames(Switches(1, 2, 1, -1), kBuiltIn)[1].empty());
  EXPECT_TRUE(KindClassNames(Switches(1, 2, 1, -1), kBuiltIn)[3].empty());
}

TEST(PouchClassNames, KindByKindInOneList) {
  SettingsRecord settings = Switches(1, 1, 1);
  settings.UserClassName = {"Notepad", "", "XLMAIN"};
  EXPECT_EQ(PouchClassNames(settings, kBuiltIn),
            (ClassNameList{"CabinetWClass", "ExploreWClass", "IEFRAME", "Notepad", "", "XLMAIN"}));
}

struct MatchCase {
  WindowKind matched;
  FrameContent content;
  int folder, iexplorer;
  int expected;
};

TEST(PouchKindOfMatch, FramesFollowTheirContentAndItsSwitch) {
  const MatchCase cases[] = {
      // A folder frame is a folder window, also when it matched as a browser.
      {WindowKind::Folder, FrameContent::kFolder, 1, 1, 0},
      {WindowKind::InternetExplorer, FrameContent::kFolder, 1, 0, 0},
      // A frame that shows a page is a browser, also when "Folder" is off.
      {WindowKind::Folder, FrameContent::kDocument, 0, 1, 2},
      {WindowKind::InternetExplorer, FrameContent::kDocument, 1, 1, 2},
      // Switched off: in no pouch list.
      {WindowKind::Folder, FrameContent::kFolder, 0, 1, -1},
      {WindowKind::InternetExplorer, FrameContent::kDocument, 1, 0, -1},
      {WindowKind::Folder, FrameContent::kDocument, 1, 2, -1},
      // Everything else keeps the kind its class matched.
      {WindowKind::Explorer, FrameContent::kNotAFrame, 0, 0, 1},
      {WindowKind::Netscape, FrameContent::kNotAFrame, 0, 0, 3},
      {WindowKind::UserDefined, FrameContent::kNotAFrame, 0, 0, 4},
  };
  for (const MatchCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "matched " << static_cast<int>(c.matched) << " content "
                                    << static_cast<int>(c.content) << " folder " << c.folder
                                    << " iexplorer " << c.iexplorer);
    EXPECT_EQ(PouchKindOfMatch(c.matched, c.content, Switches(c.folder, 1, c.iexplorer)),
              c.expected);
  }
}

TEST(IsPouchWindowOfListedClass, OnlyASwitchedOffFrameIsAnOrdinaryWindow) {
  EXPECT_TRUE(IsPouchWindowOfListedClass(FrameContent::kNotAFrame, Switches(0, 0, 0)));
  EXPECT_TRUE(IsPouchWindowOfListedClass(FrameContent::kFolder, Switches(1, 0, 0)));
  EXPECT_FALSE(IsPouchWindowOfListedClass(FrameContent::kFolder, Switches(0, 1, 1)));
  EXPECT_TRUE(IsPouchWindowOfListedClass(FrameContent::kDocument, Switches(0, 0, 1)));
  EXPECT_FALSE(IsPouchWindowOfListedClass(FrameContent::kDocument, Switches(1, 1, 0)));
}

}  // namespace
