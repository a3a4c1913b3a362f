#pragma once
// The window classes of the built-in window kinds, loaded from the string
// table once at start-up.
#include <string>

struct BuiltInClassNames {
  std::string folder;    // "CabinetWClass"
  std::string explorer;  // "ExploreWClass"
  std::string browser;   // "IEFRAME"
  std::string netscape;  // "Afx:400000:b:10008:6:170420"
};

const BuiltInClassNames& BuiltInClasses();
void LoadBuiltInClassNames();
