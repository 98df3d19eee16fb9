#include "window/qt_fonts.h"

#include <QStringList>

namespace {

QString faceName(std::u16string_view face)
{
    // A leading '@' asks Windows for the vertical variant of a face; a horizontal line wants the
    // face itself.
    if (face.starts_with(u'@'))
        face.remove_prefix(1);
    return QString::fromUtf16(face.data(), static_cast<qsizetype>(face.size()));
}

// Faces with Cyrillic that take the place of the Windows faces, metric-compatible ones first.
QStringList standIns(form::FontFamily family)
{
    if (family == form::FontFamily::Roman)
        return {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                QStringLiteral("DejaVu Serif"), QStringLiteral("FreeSerif")};
    return {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
            QStringLiteral("DejaVu Sans"), QStringLiteral("FreeSans")};
}

} // namespace

QFont qtFont(const form::Font &font)
{
    QFont result;
    result.setFamilies(QStringList{faceName(font.face)} + standIns(font.family));
    result.setStyleHint(font.family == form::FontFamily::Roman ? QFont::Serif : QFont::SansSerif);
    result.setPointSizeF(font.hundredthsOfPoint / 100.0);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    return result;
}
