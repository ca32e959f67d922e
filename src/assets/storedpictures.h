#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

namespace zub {

// Returns a picture of the window definitions by the name of the component that shows it: "Backdrop",
// "Image1" (name entry), "Image2" (well done), "Image3" (about), "APic" .. "ZPic", "NewWordPic", "Glyph"
// (the two-image button glyph) and "SkipPicture" (the intro's skip control, with the colour of its
// bottom-left pixel made transparent). An unknown name or a missing or broken picture throws zub::Error
// naming it.
QImage StoredPicture(const QString& name);

// The picture with every pixel of the colour of its bottom-left pixel made transparent: how the skip
// picture and the buttons' glyphs are drawn.
QImage WithBottomLeftColourTransparent(const QImage& picture);

// Starts decoding the large pictures (the backdrop and the panels' JPEG pictures) on threads of their own,
// so that building the board finds them ready instead of decoding them one after the other.
void PrefetchStoredPictures();

// The window and application icon.
QIcon MainIcon();

} // namespace zub
