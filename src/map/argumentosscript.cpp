#include "argumentosscript.h"

QString ArgumentoScript(const QString &texto, QChar comilla)
{
    QString r;
    r.reserve(texto.size() + 8);
    for (QChar c : texto) {
        const char16_t u = c.unicode();
        if (c == comilla || u == u'\\') {
            r += QLatin1Char('\\');
            r += c;
        } else if (u == u'\n') {
            r += QLatin1String("\\n");
        } else if (u == u'\r') {
            r += QLatin1String("\\r");
        } else if (u == u'\t') {
            r += QLatin1String("\\t");
        } else if (u < 0x20 || u == 0x7f || u == 0x2028 || u == 0x2029) {
            // Other control characters and the two separators that end a line in script.
            r += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
        } else {
            r += c;
        }
    }
    return r;
}

QString EscaparHtml(const QString &texto)
{
    QString r;
    r.reserve(texto.size() + 8);
    for (QChar c : texto) {
        switch (c.unicode()) {
        case u'&': r += QLatin1String("&amp;"); break;
        case u'<': r += QLatin1String("&lt;"); break;
        case u'>': r += QLatin1String("&gt;"); break;
        case u'"': r += QLatin1String("&quot;"); break;
        case u'\'': r += QLatin1String("&#39;"); break;
        default: r += c;
        }
    }
    return r;
}
