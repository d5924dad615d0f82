// The window's title bar where the program draws its own, on a Wayland desktop that leaves
// that to the program: the caption and a close button, as GNOME's own title bars have them.
// The window has one size, so unlike Qt's own title bar this one offers no maximise, and its
// frame does not resize the window. Dragged, the bar moves the window; right-clicked, it
// opens the desktop's window menu.
#include "qt_wayland_decoration.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QWindow>

namespace {

using QtWaylandClient::QWaylandAbstractDecoration;
using QtWaylandClient::QWaylandInputDevice;

constexpr int frameWidth = 3;
constexpr int barHeight = 30;
constexpr int buttonSide = 22;
constexpr int buttonGap = 6;

class TitleBar final : public QWaylandAbstractDecoration {
public:
    QMargins margins(MarginsType type) const override
    {
        if (type == ShadowsOnly)
            return {};
        return { frameWidth, barHeight, frameWidth, frameWidth };
    }

    bool handleMouse(QWaylandInputDevice* device, const QPointF& local, const QPointF&,
        Qt::MouseButtons buttons, Qt::KeyboardModifiers) override
    {
        const bool onFrame = !contentRect().contains(local);
        if (onFrame) {
            const bool onClose = closeButton().contains(local);
            if (isLeftClicked(buttons)) {
                closePressed_ = onClose;
                if (!onClose && local.y() < barHeight)
                    startMove(device, buttons);
            } else if (isLeftReleased(buttons)) {
                if (onClose && closePressed_)
                    close();
                closePressed_ = false;
            } else if (isRightClicked(buttons) && local.y() < barHeight) {
                showWindowMenu(device);
            }
        }
        // A press over the content goes on to the window, and its release never comes here:
        // kept, it would hide the next press on the bar (a click on the close button at once
        // after one on a kind button, with no movement over the bar between).
        setMouseButtons(onFrame ? buttons : Qt::NoButton);
        return onFrame;
    }

    bool handleTouch(QWaylandInputDevice* device, const QPointF& local, const QPointF&,
        QEventPoint::State state, Qt::KeyboardModifiers) override
    {
        if (local.y() >= barHeight || contentRect().contains(local))
            return false;
        if (state == QEventPoint::Pressed) {
            if (closeButton().contains(local))
                close();
            else
                startMove(device, Qt::LeftButton);
        }
        return true;
    }

protected:
    void paint(QPaintDevice* device) override
    {
        const QPalette palette = QGuiApplication::palette();
        const bool active = window()->isActive();
        const QColor background = palette.color(QPalette::Window).darker(active ? 112 : 104);
        // Inactive, the text is dimmer, but still readable (at least 4.5:1).
        QColor text = palette.color(QPalette::WindowText);
        if (!active) {
            const float share = 0.6f;
            text.setRgbF(share * text.redF() + (1 - share) * background.redF(),
                share * text.greenF() + (1 - share) * background.greenF(),
                share * text.blueF() + (1 - share) * background.blueF());
        }
        QPainter painter(device);
        const QRect frame(QPoint(), frameSize());
        painter.fillRect(frame, background);
        painter.setPen(palette.color(QPalette::Mid));
        painter.drawRect(frame.adjusted(0, 0, -1, -1));

        QFont font = QGuiApplication::font();
        font.setPixelSize(14);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(text);
        const int textRight = int(closeButton().left()) - buttonGap;
        const QRect caption(
            buttonGap + frameWidth, 0, textRight - buttonGap - frameWidth, barHeight);
        painter.drawText(caption, Qt::AlignVCenter | Qt::AlignLeft,
            painter.fontMetrics().elidedText(window()->title(), Qt::ElideRight, caption.width()));

        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(text, 2));
        const QRectF cross = closeButton().adjusted(6, 6, -6, -6);
        painter.drawLine(cross.topLeft(), cross.bottomRight());
        painter.drawLine(cross.bottomLeft(), cross.topRight());
    }

private:
    QSize frameSize() const { return window()->size().grownBy(margins(Full)); }
    QRectF contentRect() const
    {
        return QRect(QPoint(), frameSize()).marginsRemoved(margins(Full));
    }
    // At the right end of the bar, where Qt's own title bar has its close button too.
    QRectF closeButton() const
    {
        return { qreal(frameSize().width() - frameWidth - buttonGap - buttonSide),
            (barHeight - buttonSide) / 2.0, buttonSide, buttonSide };
    }
    // After the input event that asked for it: closing takes away the surface that the
    // event came to.
    void close()
    {
        QWindow* target = window();
        QMetaObject::invokeMethod(
            target, [target] { target->close(); }, Qt::QueuedConnection);
    }

    bool closePressed_ = false;
};

} // namespace

class TitleBarPlugin final : public QtWaylandClient::QWaylandDecorationPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QWaylandDecorationFactoryInterface_iid FILE "title_bar.json")
public:
    QWaylandAbstractDecoration* create(const QString&, const QStringList&) override
    {
        return new TitleBar;
    }
};

#include "title_bar.moc"
