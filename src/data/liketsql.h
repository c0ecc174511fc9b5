#pragma once
// SQL Server's LIKE: letter case ignored, trailing blanks of the value ignored (those of the
// pattern count), "%" any run, "_" any one character, "[abc]", "[a-z]" and "[^abc]" one of a
// set. An escape character, when given, makes the next pattern character literal.
#include <QStringView>

bool CoincideLikeTSQL(QStringView valor, QStringView patron, QChar escape = QChar());
