#pragma once
// Stowpouch's one message to Graftling: after the settings have been
// applied, the taskbar filter re-reads the settings key.

// Sends "StowpouchMsg" 102 to the taskbar's tab control. Returns whether
// the tab control was there and answered in time; the answer itself does
// not matter. A shell that does not answer cannot hold Stowpouch up.
bool ReloadTaskbarFilter();

// Sends the same request and tells whether the filter answered it, that is
// whether Graftling is in this shell's taskbar.
bool TaskbarFilterAnswers();
