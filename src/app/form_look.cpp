#include "form_look.h"

#include <QFontDatabase>
#include <QPalette>
#include <QResource>
#include <QWidget>

namespace tarvello::look {

namespace {

struct RoleColours {
    QPalette::ColorRole role;
    QRgb enabled, disabled;
};

// Qt's light palette. The form's own colours stand on it, and its black text on them. (Not
// Fusion's standardPalette(), which has these values only where the desktop has no theme:
// under GNOME's dark one it is dark.)
constexpr RoleColours lightColours[] {
    { QPalette::WindowText, 0xff000000, 0xffbebebe },
    { QPalette::Button, 0xffefefef, 0xffefefef },
    { QPalette::Light, 0xffffffff, 0xffffffff },
    { QPalette::Midlight, 0xffcacaca, 0xffcacaca },
    { QPalette::Dark, 0xff9f9f9f, 0xffbebebe },
    { QPalette::Mid, 0xffb8b8b8, 0xffb8b8b8 },
    { QPalette::Text, 0xff000000, 0xffbebebe },
    { QPalette::BrightText, 0xffffffff, 0xffffffff },
    { QPalette::ButtonText, 0xff000000, 0xffbebebe },
    { QPalette::Base, 0xffffffff, 0xffefefef },
    { QPalette::Window, 0xffefefef, 0xffefefef },
    { QPalette::Shadow, 0xff767676, 0xffb1b1b1 },
    { QPalette::Highlight, 0xff308cc6, 0xff919191 },
    { QPalette::HighlightedText, 0xffffffff, 0xffffffff },
    { QPalette::Link, 0xff0000ff, 0xff0000ff },
    { QPalette::LinkVisited, 0xffff00ff, 0xffff00ff },
    { QPalette::AlternateBase, 0xfff7f7f7, 0xfff7f7f7 },
    { QPalette::ToolTipBase, 0xffffffdc, 0xffffffdc },
    { QPalette::ToolTipText, 0xff000000, 0xff000000 },
    { QPalette::PlaceholderText, 0x80000000, 0x80000000 },
};

QString formFamily()
{
    // Where Times New Roman is missing, Liberation Serif takes its place: it has the same
    // metrics, so every caption fits as designed, and the Cyrillic letters. The installed face
    // comes first, so that the user's font settings apply to it; where there is none, the
    // program's own copy (any other serif face is wider, and clips the captions).
    // (The installed families are asked for by their own names, not through the font
    // configuration's aliases, which cost more and name Liberation Serif "Times New Roman".)
    // The copy goes to Qt as its bytes, which Qt keeps for FreeType: given its file name, Qt
    // would read the file once to add the face and again to draw with it.
    static const QString family = [] {
        const auto family = QString::fromLatin1(appearance::fontFamily);
        const auto fallback = QString::fromLatin1(appearance::fallbackFamily);
        const QStringList installed = QFontDatabase::families();
        if (installed.contains(family))
            return family;
        if (!installed.contains(fallback))
            QFontDatabase::addApplicationFontFromData(
                QResource(":/fonts/LiberationSerif-Regular.ttf").uncompressedData());
        return fallback;
    }();
    return family;
}

} // namespace

QPalette formPalette()
{
    QPalette palette;
    for (const RoleColours& colours : lightColours) {
        palette.setColor(QPalette::Active, colours.role, QColor::fromRgba(colours.enabled));
        palette.setColor(QPalette::Inactive, colours.role, QColor::fromRgba(colours.enabled));
        palette.setColor(QPalette::Disabled, colours.role, QColor::fromRgba(colours.disabled));
    }
    return palette;
}

QFont formFont()
{
    QFont font;
    font.setFamilies({ formFamily() });
    font.setStyleHint(QFont::Serif);
    font.setPointSize(appearance::fontPoints);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

void fillBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace tarvello::look
