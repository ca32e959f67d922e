#include "assets/fonts.h"

#include "platform/error.h"

#include <QFontDatabase>
#include <array>

namespace zub {

void RegisterBoardFonts()
{
    static bool registered = false;
    if (registered)
        return;
    // Loaded by file name rather than looked up by family, so that the board has its own typefaces
    // whatever the system's font configuration chooses, and a missing file is named.
    constexpr std::array FontFiles{
        QLatin1StringView("LiberationSans-Regular.ttf"),
        QLatin1StringView("LiberationSans-Bold.ttf"),
        QLatin1StringView("LiberationSansNarrow-Bold.ttf"),
    };
    for (const QLatin1StringView file : FontFiles) {
        const QString path = QStringLiteral(ZUB_FONT_DIR) + u'/' + file;
        if (QFontDatabase::addApplicationFont(path) < 0)
            throw Error(QStringLiteral("The font file \"%1\" cannot be loaded: the game needs the Debian "
                                       "package fonts-liberation.")
                            .arg(path));
    }
    registered = true;
}

QFont BoardFont(BoardTypeface face, int pixelHeight, bool bold)
{
    // The dialog typeface and Arial are drawn with the same metric-compatible sans serif.
    const QString family = face == BoardTypeface::ArialNarrow ? QStringLiteral("Liberation Sans Narrow")
                                                              : QStringLiteral("Liberation Sans");
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferAntialias));
    return font;
}

} // namespace zub
