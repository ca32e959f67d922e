#include "board/windowdefinition.h"

#include "assets/medianames.h"
#include "game/game.h"

namespace zub {

namespace {

constexpr TextStyle kScoreFont{BoardTypeface::SansSerif, 32, true, NamedColor::clMaroon};
constexpr TextStyle kLetterFont{BoardTypeface::ArialNarrow, 32, true, NamedColor::clMaroon};
constexpr TextStyle kRankFont{BoardTypeface::Arial, 27, true, NamedColor::clMaroon};
constexpr TextStyle kHighScoreFont{BoardTypeface::Arial, 27, true, NamedColor::clWindowText};

// Left of Letter1 .. Letter13 in the window definition; each new word moves them.
constexpr std::array kLetterLefts{15, 42, 70, 100, 130, 160, 190, 220, 250, 275, 305, 335, 365};

ControlDef tilePicture(const TileDef& tile)
{
    return {.kind = ControlKind::Image,
            .name = tile.picture,
            .parent = QStringLiteral("BackPanel"),
            .bounds = QRect(tile.picturePos, QSize(75, 36)),
            .visible = false,
            .picture = tile.picture,
            .fit = PictureFit::AutoSize};
}

ControlDef tileButton(const TileDef& tile)
{
    return {.kind = ControlKind::ClickArea,
            .name = tile.button,
            .parent = QStringLiteral("BackPanel"),
            .bounds = tile.buttonBounds,
            .onClick = tile.onClick};
}

ControlDef panel(const QString& name, const QString& parent, QRect bounds, NamedColor color, Bevel outer,
                 int bevelWidth, bool visible)
{
    return {.kind = ControlKind::Panel,
            .name = name,
            .parent = parent,
            .bounds = bounds,
            .visible = visible,
            .color = color,
            .bevelOuter = outer,
            .bevelWidth = bevelWidth};
}

ControlDef label(const QString& name, const QString& parent, QPoint pos, const QString& caption,
                 TextStyle font)
{
    return {.kind = ControlKind::Label,
            .name = name,
            .parent = parent,
            .bounds = QRect(pos, QSize()),
            .font = font,
            .caption = caption};
}

ControlDef image(const QString& name, const QString& parent, QRect bounds, const QString& picture,
                 PictureFit fit)
{
    return {.kind = ControlKind::Image,
            .name = name,
            .parent = parent,
            .bounds = bounds,
            .picture = picture,
            .fit = fit};
}

ControlDef okButton(const QString& name, const QString& parent, QRect bounds, TextStyle font,
                    GameHandler onClick)
{
    return {.kind = ControlKind::BitBtn,
            .name = name,
            .parent = parent,
            .bounds = bounds,
            .font = font,
            .caption = QStringLiteral("OK"),
            .picture = QStringLiteral("Glyph"),
            .onClick = onClick};
}

std::vector<ControlDef> buildMainControls()
{
    const QString client;
    const QString back = QStringLiteral("BackPanel");
    const auto& tiles = TileTable();
    std::vector<ControlDef> controls;

    controls.push_back(panel(back, client, {10, 5, 960, 660}, NamedColor::clBlack, Bevel::Raised, 4, true));
    controls.push_back(image(QStringLiteral("Backdrop"), back, {5, 5, 950, 650}, QStringLiteral("Backdrop"),
                             PictureFit::Stretch));

    // The used-tile pictures, with the New Word picture after C, then the click areas above them.
    for (int i = 0; i < kTileCount; ++i) {
        if (tiles[i].letter == 'D') {
            ControlDef newWordPic = image(QStringLiteral("NewWordPic"), back, {300, 515, 348, 53},
                                          QStringLiteral("NewWordPic"), PictureFit::AutoSize);
            newWordPic.visible = false;
            controls.push_back(newWordPic);
        }
        controls.push_back(tilePicture(tiles[i]));
    }
    controls.push_back({.kind = ControlKind::ClickArea,
                        .name = QStringLiteral("NewWordClick"),
                        .parent = back,
                        .bounds = {305, 520, 336, 41},
                        .onClick = &Game::NewWordClickClick});
    for (const TileDef& tile : tiles)
        controls.push_back(tileButton(tile));

    controls.push_back(
        image(QStringLiteral("SwitchPosPic"), back, {715, 100, 215, 140}, {}, PictureFit::TopLeft));
    controls.push_back(
        image(QStringLiteral("HangmanPic"), back, {33, 75, 270, 250}, {}, PictureFit::TopLeft));

    const QString scorePanel = QStringLiteral("ScorePanel");
    controls.push_back(
        panel(scorePanel, back, {140, 29, 126, 44}, NamedColor::clWhite, Bevel::None, 1, true));
    controls.push_back(
        label(QStringLiteral("ScorePointsLabel"), scorePanel, {2, 3}, QStringLiteral("0"), kScoreFont));
    controls.back().color = NamedColor::clWhite;

    controls.push_back(panel(QStringLiteral("MovieScreen"), back, {33, 75, 270, 250}, NamedColor::clWhite,
                             Bevel::None, 1, false));

    const QString panel3 = QStringLiteral("Panel3");
    controls.push_back(panel(panel3, back, {40, 336, 436, 106}, NamedColor::clWhite, Bevel::None, 1, true));
    controls.push_back(label(QStringLiteral("Dashes"), panel3, {17, 50},
                             QStringLiteral("_ _ _ _ _ _ _ _ _ _ _ _ _ _"), kScoreFont));
    for (int n = 1; n <= kLetterSlotCount; ++n)
        controls.push_back(
            label(QStringLiteral("Letter%1").arg(n), panel3, {kLetterLefts[n - 1], 35}, {}, kLetterFont));

    const QString enterName = QStringLiteral("EnterNamePanel");
    controls.push_back(
        panel(enterName, back, {340, 93, 346, 204}, NamedColor::clBtnFace, Bevel::Raised, 3, false));
    controls.back().bevelInner = Bevel::Raised;
    controls.push_back(image(QStringLiteral("Image1"), enterName, {5, 10, 331, 181}, QStringLiteral("Image1"),
                             PictureFit::Stretch));
    controls.push_back(okButton(QStringLiteral("NameOkButton"), enterName, {127, 146, 99, 45},
                                {BoardTypeface::SansSerif, 19, false, NamedColor::clWindowText},
                                &Game::NameOkButtonClick));
    controls.push_back({.kind = ControlKind::Edit,
                        .name = QStringLiteral("NameText"),
                        .parent = enterName,
                        .bounds = {32, 65, 269, 37},
                        .font = {BoardTypeface::SansSerif, 24, true, NamedColor::clWindowText}});

    const QString wellDone = QStringLiteral("WellDonePanel");
    controls.push_back(
        panel(wellDone, back, {348, 134, 328, 128}, NamedColor::clBtnFace, Bevel::Raised, 1, false));
    controls.push_back(image(QStringLiteral("Image2"), wellDone, {5, 5, 316, 116}, QStringLiteral("Image2"),
                             PictureFit::Stretch));

    const QString highScore = QStringLiteral("HighScorePanel");
    controls.push_back(panel(highScore, back, {705, 56, 166, 36}, NamedColor::clWhite, Bevel::None, 1, true));
    controls.push_back(
        label(QStringLiteral("HighestScoreLabel"), highScore, {6, 0}, QStringLiteral("0"), kScoreFont));

    const QString gameOver = QStringLiteral("GameOverPanel");
    controls.push_back(
        panel(gameOver, back, {5, 5, 951, 500}, NamedColor::clWhite, Bevel::Lowered, 1, false));
    controls.push_back(
        image(QStringLiteral("HighScoreImage"), gameOver, {225, 5, 500, 75}, {}, PictureFit::TopLeft));
    controls.push_back(okButton(QStringLiteral("BitBtn1"), gameOver, {425, 432, 101, 40},
                                {BoardTypeface::SansSerif, 16, true, NamedColor::clWindowText},
                                &Game::BitBtn1Click));
    const QString panel1 = QStringLiteral("Panel1");
    controls.push_back(
        panel(panel1, gameOver, {170, 85, 611, 316}, NamedColor::clCream, Bevel::Lowered, 1, true));
    for (int k = 1; k <= kRankCount; ++k)
        controls.push_back(label(QStringLiteral("Label%1").arg(k), panel1,
                                 {k < 10 ? 24 : 10, 5 + 30 * (k - 1)}, QString::number(k), kRankFont));
    for (int n = 1; n <= 2 * kRankCount; ++n) {
        const int row = (n + 1) / 2;
        const int left = n % 2 == 1 ? 70 : 465; // names on the left, scores on the right
        controls.push_back(label(QStringLiteral("HSLabel%1").arg(n), panel1, {left, 5 + 30 * (row - 1)},
                                 QStringLiteral("HSLabel1"), kHighScoreFont));
    }

    const QString about = QStringLiteral("AboutPanel");
    controls.push_back(
        panel(about, back, {345, 125, 311, 251}, NamedColor::clBtnFace, Bevel::Raised, 1, false));
    controls.push_back(image(QStringLiteral("Image3"), about, {5, 5, 300, 242}, QStringLiteral("Image3"),
                             PictureFit::AutoSize));
    controls.push_back(okButton(QStringLiteral("BitBtn2"), about, {125, 210, 66, 31},
                                {BoardTypeface::SansSerif, 13, true, NamedColor::clWindowText},
                                &Game::BitBtn2Click));
    return controls;
}

} // namespace

QColor ColorValue(NamedColor color)
{
    switch (color) {
    case NamedColor::clBlack:
    case NamedColor::clWindowText:
        return QColor(0, 0, 0);
    case NamedColor::clWhite:
        return QColor(255, 255, 255);
    case NamedColor::clMaroon:
        return QColor(128, 0, 0);
    case NamedColor::clCream:
        return QColor(255, 251, 240);
    case NamedColor::clBtnFace:
        return QColor(240, 240, 240);
    case NamedColor::ParentColor:
        break;
    }
    return {};
}

bool IsGraphicControl(ControlKind kind)
{
    return kind == ControlKind::Image || kind == ControlKind::ClickArea || kind == ControlKind::Label;
}

const std::array<TileDef, kTileCount>& TileTable()
{
    // letter, click area, its bounds, used-tile picture, its top-left, handler
    static const std::array<TileDef, kTileCount> tiles{{
        {'A', "AButton", {35, 530, 71, 31}, "APic", {35, 529}, &Game::AButtonClick},
        {'B', "BButton", {125, 530, 71, 31}, "BPic", {125, 529}, &Game::BButtonClick},
        {'C', "CButton", {215, 530, 71, 31}, "CPic", {215, 529}, &Game::CButtonClick},
        {'D', "DButton", {660, 530, 66, 31}, "DPic", {660, 529}, &Game::DButtonClick},
        {'E', "EButton", {750, 530, 66, 31}, "EPic", {750, 529}, &Game::EButtonClick},
        {'F', "FButton", {840, 530, 66, 31}, "FPic", {840, 529}, &Game::FButtonClick},
        {'G', "GButton", {40, 570, 66, 31}, "GPic", {38, 570}, &Game::GButtonClick},
        {'H', "HButton", {125, 570, 66, 31}, "HPic", {128, 570}, &Game::HButtonClick},
        {'I', "IButton", {220, 570, 66, 31}, "IPic", {217, 570}, &Game::IButtonClick},
        {'J', "JButton", {310, 570, 66, 31}, "JPic", {308, 570}, &Game::JButtonClick},
        {'K', "KButton", {400, 570, 66, 36}, "KPic", {397, 570}, &Game::KButtonClick},
        {'L', "LButton", {490, 570, 66, 36}, "LPic", {485, 570}, &Game::LButtonClick},
        {'M', "MButton", {575, 570, 66, 36}, "MPic", {575, 571}, &Game::MButtonClick},
        {'N', "NButton", {660, 570, 66, 36}, "NPic", {661, 570}, &Game::NButtonClick},
        {'O', "oButton", {750, 570, 66, 36}, "OPic", {750, 570}, &Game::oButtonClick},
        {'P', "PButton", {840, 570, 66, 31}, "PPic", {840, 570}, &Game::PButtonClick},
        {'Q', "QButton", {40, 610, 66, 31}, "QPic", {38, 607}, &Game::QButtonClick},
        {'R', "RButton", {125, 610, 66, 31}, "RPic", {127, 608}, &Game::RButtonClick},
        {'S', "SButton", {220, 610, 66, 31}, "SPic", {219, 608}, &Game::SButtonClick},
        {'T', "tButton", {310, 610, 66, 31}, "TPic", {308, 608}, &Game::tButtonClick},
        {'U', "UButton", {400, 610, 66, 31}, "UPic", {397, 610}, &Game::UButtonClick},
        {'V', "VButton", {490, 610, 66, 35}, "VPic", {485, 610}, &Game::VButtonClick},
        {'W', "WButton", {575, 610, 66, 35}, "WPic", {575, 610}, &Game::WButtonClick},
        {'X', "XButton", {660, 610, 66, 30}, "XPic", {660, 610}, &Game::XButtonClick},
        {'Y', "YButton", {750, 610, 66, 30}, "YPic", {751, 610}, &Game::YButtonClick},
        {'Z', "ZButton", {840, 610, 66, 31}, "ZPic", {840, 610}, &Game::ZButtonClick},
    }};
    return tiles;
}

const std::vector<ControlDef>& MainControls()
{
    static const std::vector<ControlDef> controls = buildMainControls();
    return controls;
}

const std::vector<MenuDef>& MainMenu()
{
    static const std::vector<MenuDef> menu{
        // name, caption, checkable, checked at start, handler
        {"File1",
         "File",
         {{"Exit1", "New Game", false, false, &Game::Exit1Click}, {"Exit2", "Exit", false, false, nullptr}}},
        {"Words1",
         "Words",
         {{"N10001", "1000+", true, true, &Game::N10001Click},
          {"N20001", "2000+", true, false, &Game::N20001Click}}},
        {"Hints1",
         "Level",
         {{"EnableHints1", "Easy (10)", true, true, &Game::EnableHints1Click},
          {"EnablePictures1", "Normal (8)", true, false, &Game::EnablePictures1Click},
          {"EnableBoth1", "Hard (6)", true, false, &Game::EnableBoth1Click}}},
        {"Highscore1", "Highscore", {{"Show1", "Show", false, false, &Game::Show1Click}}},
        {"Help1", "Help", {{"About1", "About", false, false, &Game::About1Click}}},
    };
    return menu;
}

const std::array<TimerDef, 3>& MainTimers()
{
    static const std::array<TimerDef, 3> timers{{
        {"GameOverTimer", 6000, false, &Game::GameOverTimerTimer},
        {"WinTimer", 2500, false, &Game::WinTimerTimer},
        {"Timer1", 16000, true, &Game::Timer1Timer},
    }};
    return timers;
}

const std::vector<MediaPlayerDef>& MainMediaPlayers()
{
    static const std::vector<MediaPlayerDef> players{
        {"GameOverMovie", MediaNames::GameOverMovie, "MovieScreen"},
        {"WinSound", MediaNames::WinSound, {}},
        {"LoseLetter", MediaNames::LoseLetter, {}},
        {"BackSound", MediaNames::BackSound, {}},
        {"MediaTranslate", {}, {}},
        {"NewWord", MediaNames::NewWord, {}},
        {"MediaWin", MediaNames::MediaWin, {}},
    };
    return players;
}

} // namespace zub
