#pragma once
#include "DemoRandom.h"

#include <QDate>
#include <QString>

// Plausible Chinese names, plates, identity numbers, phones and addresses for the demo fleet.
namespace DemoText {
// The k-th of the distinct names surname + one or two given characters.
QString personName(qint64 k);
// How many distinct names personName gives.
qint64 nameCount();
// A name for people who appear only once (contacts, complainants, other parties).
QString anyName(DemoRandom &rng);
// Distinct plate tails for distinct k.
QString plateNumber(qint64 k, quint64 seed);
// The i-th letter plates use (no I and no O).
QChar plateLetter(int i);
// The 18-digit resident identity number with its check character.
QString identityNumber(DemoRandom &rng, const QDate &birth);
QString handPhone(DemoRandom &rng);
QString officePhone(DemoRandom &rng);
QString streetAddress(DemoRandom &rng);
} // namespace DemoText
