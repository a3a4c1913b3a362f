#pragma once
// The COM registration of Graftling's class under HKEY_CLASSES_ROOT: the
// friendly name, the module path and the "Apartment" threading model.
// Failures are silent; whatever could be written stays.

void RegisterGraftling();
void UnregisterGraftling();
