#pragma once

// Makes the taskbar buttons and the launch surfaces follow the settings
// record: Graftling's taskbar filter and the buttons it lets through, the
// menu hotkey, the desktop-edge watch and the Windows-key hook.
void ApplySettings();

// Stops the desktop-edge watch and the Windows-key hook at shutdown.
void StopOutsideComponents();
