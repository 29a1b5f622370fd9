// Applying the theme to all windows.

#include "app/form1.h"

// Not built yet.
void TForm1::LaadThema() {}
