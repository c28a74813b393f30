#pragma once
#include <QString>
#include <QStringList>

// The stored form of a list of owning units (OperList.F_carS, the unit pick dialog's result):
// each name in single quotes, separated by commas, a quote inside a name doubled as in an SQL
// literal: 'A','李''记运输'.
//
// Parsing is lenient with what people type by hand: blanks around items are ignored, an item
// without quotes is taken as it stands (trimmed), and empty unquoted items (",,", a trailing
// comma) are skipped. A quoted item keeps its inner blanks, and '' is a name that is empty.
// A quote that is never closed takes the rest of the text as the name.
QStringList parseUnitList(const QString &stored);

// The stored form of the names, in their order.
QString formatUnitList(const QStringList &names);
