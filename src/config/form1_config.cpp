// Writing and reading the settings file.

#include "app/form1.h"

// Not built yet.
void TForm1::SaveConfig() {}
void TForm1::ReadConfig() {}
