#pragma once
// The fixed list of card sets the program knows, in reading and listing order.

#include <QString>
#include <QStringList>

namespace SetList {

int count();                              // 102
const QStringList &displayForms();        // what the cards' Edition holds
const QStringList &fileForms();           // names of the set files, without ".xml"
// Every character that is not an ASCII letter or digit becomes "_".
QString fileFormOf(const QString &displayForm);
// Object name of the set's check box in the preferences window.
QString checkBoxName(int index0);
// 0-based position of a display form in the list, or -1.
int indexOfDisplayForm(const QString &displayForm);

} // namespace SetList
