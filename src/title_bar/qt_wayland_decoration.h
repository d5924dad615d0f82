// The two classes through which Qt's Wayland platform takes a window decoration from a
// plugin. Qt 6.4 ships them only as private headers, which Debian does not package; they are
// declared here as Qt 6.4 declares them (QtWaylandClient/private/qwaylandabstractdecoration_p.h
// and qwaylanddecorationplugin_p.h, from Qt's sources, LGPL-3.0 or GPL-2.0+ or GPL-3.0), and
// the program loads the plugin only into the Qt release that it was built with.
// Not run through moc: the library holds these classes' meta-objects.
#pragma once

#include <QtCore/QMargins>
#include <QtCore/QObject>
#include <QtCore/QPointF>
#include <QtCore/qfactoryinterface.h>
#include <QtCore/qplugin.h>
#include <QtGui/QEventPoint>
#include <QtGui/QImage>
#include <QtWaylandClient/qtwaylandclientglobal.h>

QT_BEGIN_NAMESPACE

class QPaintDevice;
class QWindow;

namespace QtWaylandClient {

class QWaylandInputDevice;
class QWaylandWindow;
class QWaylandAbstractDecorationPrivate;

class Q_WAYLANDCLIENT_EXPORT QWaylandAbstractDecoration : public QObject {
    Q_OBJECT
    Q_DECLARE_PRIVATE(QWaylandAbstractDecoration)
public:
    enum MarginsType { Full, ShadowsExcluded, ShadowsOnly };

    QWaylandAbstractDecoration();
    ~QWaylandAbstractDecoration() override;

    void setWaylandWindow(QWaylandWindow* window);
    QWaylandWindow* waylandWindow() const;

    void update();
    bool isDirty() const;

    virtual QMargins margins(MarginsType marginsType = Full) const = 0;

    QWindow* window() const;
    const QImage& contentImage();

    virtual bool handleMouse(QWaylandInputDevice* inputDevice, const QPointF& local,
        const QPointF& global, Qt::MouseButtons b, Qt::KeyboardModifiers mods) = 0;
    virtual bool handleTouch(QWaylandInputDevice* inputDevice, const QPointF& local,
        const QPointF& global, QEventPoint::State state, Qt::KeyboardModifiers mods) = 0;

protected:
    virtual void paint(QPaintDevice* device) = 0;

    void setMouseButtons(Qt::MouseButtons mb);

    void startResize(QWaylandInputDevice* inputDevice, Qt::Edges edges, Qt::MouseButtons buttons);
    void startMove(QWaylandInputDevice* inputDevice, Qt::MouseButtons buttons);
    void showWindowMenu(QWaylandInputDevice* inputDevice);

    bool isLeftClicked(Qt::MouseButtons newMouseButtonState);
    bool isRightClicked(Qt::MouseButtons newMouseButtonState);
    bool isLeftReleased(Qt::MouseButtons newMouseButtonState);
};

#define QWaylandDecorationFactoryInterface_iid                                                     \
    "org.qt-project.Qt.WaylandClient.QWaylandDecorationFactoryInterface.5.4"

class Q_WAYLANDCLIENT_EXPORT QWaylandDecorationPlugin : public QObject {
    Q_OBJECT
public:
    explicit QWaylandDecorationPlugin(QObject* parent = nullptr);
    ~QWaylandDecorationPlugin() override;

    virtual QWaylandAbstractDecoration* create(
        const QString& key, const QStringList& paramList) = 0;
};

} // namespace QtWaylandClient

QT_END_NAMESPACE
