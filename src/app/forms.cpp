#include "app/forms.h"

#include "analysis/formcheckdeck.h"
#include "app/form1.h"
#include "app/formabout.h"
#include "app/formsplash.h"
#include "app/formwarning.h"
#include "carddb/formdb.h"
#include "collections/formcollectie.h"
#include "collections/formeditcard.h"
#include "collections/formnewcollection.h"
#include "config/formprefs.h"
#include "decks/formdecks.h"
#include "decks/formexportdeck.h"
#include "decks/formnewdeck.h"
#include "details/formfoto.h"
#include "details/formprintdetails.h"
#include "themes/formlaadthema.h"

#include <QCoreApplication>

TForm1 *Form1 = nullptr;
TFormPrefs *FormPrefs = nullptr;
TFormSplash *FormSplash = nullptr;
TFormNewCollection *FormNewCollection = nullptr;
TFormCollectie *FormCollectie = nullptr;
TFormFoto *FormFoto = nullptr;
TFormDecks *FormDecks = nullptr;
TFormEditCard *FormEditCard = nullptr;
TFormNewDeck *FormNewDeck = nullptr;
TFormAbout *FormAbout = nullptr;
TFormWarning *FormWarning = nullptr;
TFormCheckDeck *FormCheckDeck = nullptr;
TFormLaadThema *FormLaadThema = nullptr;
TFormExportDeck *FormExportDeck = nullptr;
TFormDB *FormDB = nullptr;
TFormPrintDetails *FormPrintDetails = nullptr;

void CreateAllForms()
{
    Form1 = new TForm1;
    Form1->FormCreate();
    FormPrefs = new TFormPrefs;
    FormSplash = new TFormSplash;
    FormNewCollection = new TFormNewCollection;
    FormCollectie = new TFormCollectie;
    FormFoto = new TFormFoto;
    FormDecks = new TFormDecks;
    FormEditCard = new TFormEditCard;
    FormNewDeck = new TFormNewDeck;
    FormAbout = new TFormAbout;
    FormWarning = new TFormWarning;
    FormCheckDeck = new TFormCheckDeck;
    FormLaadThema = new TFormLaadThema;
    FormExportDeck = new TFormExportDeck;
    FormDB = new TFormDB;
    FormPrintDetails = new TFormPrintDetails;
}

template <typename T> static void drop(T *&w)
{
    delete w;
    w = nullptr;
}

void DestroyAllForms()
{
    // Reverse order of creation; the main window last.
    drop(FormPrintDetails);
    drop(FormDB);
    drop(FormExportDeck);
    drop(FormLaadThema);
    drop(FormCheckDeck);
    drop(FormWarning);
    drop(FormAbout);
    drop(FormNewDeck);
    drop(FormEditCard);
    drop(FormDecks);
    drop(FormFoto);
    drop(FormCollectie);
    drop(FormNewCollection);
    drop(FormSplash);
    drop(FormPrefs);
    drop(Form1);
}

void ProcessMessages()
{
    QCoreApplication::processEvents();
}
