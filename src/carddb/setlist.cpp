#include "carddb/setlist.h"

#include <QHash>

namespace SetList {

const QStringList &displayForms()
{
    static const QStringList names = {
#include "carddb/setlist_names.inc"
    };
    return names;
}

int count() { return int(displayForms().size()); }

QString fileFormOf(const QString &displayForm)
{
    QString out = displayForm;
    for (QChar &c : out) {
        const ushort u = c.unicode();
        const bool ok = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9');
        if (!ok)
            c = QLatin1Char('_');
    }
    return out;
}

const QStringList &fileForms()
{
    static const QStringList forms = [] {
        QStringList f;
        for (const QString &d : displayForms())
            f << fileFormOf(d);
        return f;
    }();
    return forms;
}

QString checkBoxName(int index0)
{
    // The first sets and a few others have short names of their own.
    static const QHash<QString, QString> special = {
        {QStringLiteral("Limited Edition Alpha"), QStringLiteral("CB_Alpha")},
        {QStringLiteral("Limited Edition Beta"), QStringLiteral("CB_Beta")},
        {QStringLiteral("Unlimited Edition"), QStringLiteral("CB_Unlimited")},
        {QStringLiteral("Revised Edition"), QStringLiteral("CB_Revised")},
        {QStringLiteral("Fourth Edition"), QStringLiteral("CB_Fourth")},
        {QStringLiteral("Fifth Edition"), QStringLiteral("CB_Fifth")},
        {QStringLiteral("Classic Sixth Edition"), QStringLiteral("CB_Sixth")},
        {QStringLiteral("Seventh Edition"), QStringLiteral("CB_Seventh")},
        {QStringLiteral("Eighth Edition"), QStringLiteral("CB_Eighth")},
        {QStringLiteral("Ninth Edition"), QStringLiteral("CB_Ninth")},
        {QStringLiteral("Tenth Edition"), QStringLiteral("CB_Tenth")},
        {QStringLiteral("Magic 2010"), QStringLiteral("CB_2010")},
        {QStringLiteral("Magic 2011"), QStringLiteral("CB_2011")},
        {QStringLiteral("Magic 2012"), QStringLiteral("CB_2012")},
        {QStringLiteral("Alara Reborn"), QStringLiteral("CB_AlaraReborn")},
        {QStringLiteral("Arabian Nights"), QStringLiteral("CB_ArabianNights")},
        {QStringLiteral("Betrayers of Kamigawa"), QStringLiteral("CB_BetrayersOfKamigawa")},
        {QStringLiteral("Champions of Kamigawa"), QStringLiteral("CB_ChampionsOfKamigawa")},
        {QStringLiteral("Time Spiral \"Timeshifted\""), QStringLiteral("CB_Time_Spiral__Timeshifted")},
    };
    const QString &d = displayForms().at(index0);
    const auto it = special.constFind(d);
    return it != special.constEnd() ? *it : QStringLiteral("CB_") + fileForms().at(index0);
}

int indexOfDisplayForm(const QString &displayForm)
{
    static const QHash<QString, int> pos = [] {
        QHash<QString, int> h;
        for (int i = 0; i < count(); ++i)
            h.insert(displayForms().at(i), i);
        return h;
    }();
    return pos.value(displayForm, -1);
}

} // namespace SetList
