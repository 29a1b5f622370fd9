#pragma once
// The sixteen windows of the program, each a single long-lived instance.

class TForm1;
class TFormPrefs;
class TFormSplash;
class TFormNewCollection;
class TFormCollectie;
class TFormFoto;
class TFormDecks;
class TFormEditCard;
class TFormNewDeck;
class TFormAbout;
class TFormWarning;
class TFormCheckDeck;
class TFormLaadThema;
class TFormExportDeck;
class TFormDB;
class TFormPrintDetails;

extern TForm1 *Form1;
extern TFormPrefs *FormPrefs;
extern TFormSplash *FormSplash;
extern TFormNewCollection *FormNewCollection;
extern TFormCollectie *FormCollectie;
extern TFormFoto *FormFoto;
extern TFormDecks *FormDecks;
extern TFormEditCard *FormEditCard;
extern TFormNewDeck *FormNewDeck;
extern TFormAbout *FormAbout;
extern TFormWarning *FormWarning;
extern TFormCheckDeck *FormCheckDeck;
extern TFormLaadThema *FormLaadThema;
extern TFormExportDeck *FormExportDeck;
extern TFormDB *FormDB;
extern TFormPrintDetails *FormPrintDetails;

// Creates all windows in their fixed order, the main window first.
void CreateAllForms();
// Deletes them again (tests create them once per test case).
void DestroyAllForms();
// Lets pending window events run, so that progress texts are painted.
void ProcessMessages();
