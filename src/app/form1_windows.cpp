// The tool windows: reducing them to their icons and bringing them back.

#include "app/form1.h"

// Not built yet.
void TForm1::SwitchFullScreen() {}
void TForm1::IcoondbClick() {}
void TForm1::IcoonCollectieClick() {}
void TForm1::IcoonDecksClick() {}
void TForm1::IcoonFotoClick() {}
void TForm1::IcoonPrefsClick() {}
