#pragma once
// Carries out an entry of the function-command table.

// Runs the action of table entry `index`; separator rows and indices outside
// the table do nothing.
void ExecuteFunctionCommand(int index);
