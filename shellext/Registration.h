#pragma once
// The COM registration of Graftling's class under HKEY_CLASSES_ROOT: the
// friendly name, the module path and the "Apartment" threading model.
// Each step is tried even after one failed; whatever could be written
// stays. Both return false when a key or value of the class could not be
// written or removed.

bool RegisterGraftling();
bool UnregisterGraftling();
