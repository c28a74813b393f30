#pragma once
#include <QString>
#include <optional>

// Encoding of the operators' stored passwords (OperList.F_PassWord).
//
// The stored text is "p1:" + base64(salt, check, cipher): the UTF-8 bytes of the password XORed
// with a key stream that SHA-256 derives from a fixed program key and an 8-byte random salt drawn
// anew for every call, and a 4-byte check over salt and password. This keeps the password out of
// sight in the database and makes two stored copies of one password differ; it is not encryption
// against someone who has the program, since the key is inside it.
//
// SavePass gives the text to store; GetPass gives back the password SavePass was given, for every
// text including the empty one. The empty stored text stands for the empty password.
QString SavePass(const QString &password);

// The decoded password, or the empty text when `stored` is not a text made by SavePass
// (damaged, cut, edited by hand). Never fails otherwise.
QString GetPass(const QString &stored);

// As GetPass, but tells a damaged stored text (nullopt) from the empty password, so that a login
// can refuse an operator whose stored password no longer decodes instead of letting an empty
// password in.
std::optional<QString> tryGetPass(const QString &stored);
