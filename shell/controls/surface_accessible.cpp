#include "shell/controls/surface_accessible.h"

#include "shell/controls/colors.h"
#include "shell/controls/drawing_surface.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <vector>

namespace {

// One printed text of a surface, found by its place in the surface's list.
class PrintedTextAccessible : public QAccessibleInterface {
public:
    PrintedTextAccessible(DrawingSurface* surface, int index) : surface_(surface), index_(index) {}

    bool isValid() const override {
        return surface_ != nullptr && index_ < surface_->Printed().size();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return surface_ != nullptr ? surface_->window()->windowHandle() : nullptr;
    }
    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation) const override {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(surface_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override {
        if (!isValid() || kind != QAccessible::Name) {
            return {};
        }
        const DrawingSurface::PrintedText& printed = surface_->Printed().at(index_);
        return printed.text.trimmed() + ", " + ColorName(printed.color);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) {
            return {};
        }
        const QRectF area = surface_->Printed().at(index_).area;
        const QPointF topLeft = surface_->ToPixels(area.left(), area.top());
        const QPointF bottomRight = surface_->ToPixels(area.right(), area.bottom());
        const QPoint origin = surface_->mapToGlobal(surface_->Interior().topLeft());
        return QRectF(topLeft, bottomRight).toAlignedRect().translated(origin);
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override { return {}; }

private:
    QPointer<DrawingSurface> surface_;
    int index_;
};

// The surface, with its printed texts as children. Child interfaces are made
// when first asked for and kept, registered, until the surface goes.
class SurfaceWithTexts : public QAccessibleWidget {
public:
    explicit SurfaceWithTexts(DrawingSurface* surface)
        : QAccessibleWidget(surface, QAccessible::Graphic) {}
    ~SurfaceWithTexts() override {
        for (const QAccessible::Id id : childIds_) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    int childCount() const override { return static_cast<int>(surface()->Printed().size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        while (static_cast<int>(childIds_.size()) <= index) {
            auto* printed =
                new PrintedTextAccessible(surface(), static_cast<int>(childIds_.size()));
            childIds_.push_back(QAccessible::registerAccessibleInterface(printed));
        }
        return QAccessible::accessibleInterface(childIds_[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < childIds_.size(); ++i) {
            if (QAccessible::accessibleInterface(childIds_[i]) == child) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface* printed = child(i);
            if (printed->rect().contains(x, y)) {
                return printed;
            }
        }
        return nullptr;
    }

private:
    DrawingSurface* surface() const { return static_cast<DrawingSurface*>(widget()); }
    mutable std::vector<QAccessible::Id> childIds_;
};

QAccessibleInterface* SurfaceFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(DrawingSurface::staticMetaObject.className())) {
        return nullptr;
    }
    return new SurfaceWithTexts(static_cast<DrawingSurface*>(object));
}

} // namespace

void SurfaceAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(SurfaceFactory);
        return true;
    }();
    (void)installed;
}

void SurfaceAccessible::ItemsChanged(DrawingSurface* surface) {
    if (QAccessible::isActive()) {
        QAccessibleEvent event(surface, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&event);
    }
}
