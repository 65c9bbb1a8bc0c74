// The dim layer: a borderless window over the whole screen in the dim colour, opacity 185/255.
#include "ui/dim_layer.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "ui/runtime.h"
#include "ui/widgets.h"

namespace vandrix::ui {

DimLayer::DimLayer(Runtime& runtime) : runtime_(runtime) {
    if (runtime_.dimDepth_++ > 0)
        return;
    auto* layer = new QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                                           Qt::Tool | Qt::WindowTransparentForInput);
    layer->setAttribute(Qt::WA_ShowWithoutActivating);
    QPalette pal = layer->palette();
    pal.setColor(QPalette::Window, toQColor(runtime_.colours().dimColour));
    layer->setPalette(pal);
    layer->setAutoFillBackground(true);
    layer->setWindowOpacity(185.0 / 255.0);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        layer->setGeometry(screen->geometry());
    layer->show();
    runtime_.dimWidget_ = layer;
}

DimLayer::~DimLayer() {
    if (--runtime_.dimDepth_ > 0)
        return;
    delete runtime_.dimWidget_;
    runtime_.dimWidget_ = nullptr;
}

}  // namespace vandrix::ui
