#pragma once
// Safe texts for the statements the windows send to their map pages.
//
// Statements are composed as written, e.g. "asignaicono('" + ArgumentoScript(icono) + "');".
// For an ordinary value (no quote of the kind used, no backslash, no line break) the result is the
// value itself, so the statement text stays exactly as composed; anything else is escaped so that
// it reaches the page as text and cannot end the argument early or inject script.
#include <QChar>
#include <QString>

// The content of a script string literal delimited by comilla (' or "), without the delimiters.
QString ArgumentoScript(const QString &texto, QChar comilla = QLatin1Char('\''));

// Data placed inside markup the page renders (e.g. a zone label "<B>" + name + "</B> <Br>" + area):
// & < > " ' become character references, everything else is unchanged.
QString EscaparHtml(const QString &texto);
