#pragma once
// BareDialog.exe's window caption, by which IdleBench finds it.
constexpr char kBareDialogCaption[] = "IdleBench bare dialog";
