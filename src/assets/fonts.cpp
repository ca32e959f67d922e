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
    constexpr std::array FontFiles{
        QLatin1StringView(":/zub/fonts/LiberationSans-Regular.ttf"),
        QLatin1StringView(":/zub/fonts/LiberationSans-Bold.ttf"),
        QLatin1StringView(":/zub/fonts/LiberationSansNarrow-Bold.ttf"),
    };
    for (const QLatin1StringView file : FontFiles) {
        if (QFontDatabase::addApplicationFont(file) < 0)
            throw Error(QStringLiteral("The font %1 cannot be added to the game.").arg(file));
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
