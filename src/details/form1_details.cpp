// Showing a card in the card details window, and opening card pages.

#include "app/form1.h"

// Not built yet.
void TForm1::ToonKaartDetails(const QString &id) { LaadKaart(id); }
void TForm1::BrowseTo(const QString &) {}
