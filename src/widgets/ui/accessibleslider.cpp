#include "widgets/ui/accessibleslider.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace mottler {
namespace {

class SliderInterface : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    SliderInterface(QWidget* widget, const AccessibleSlider& slider)
        : QAccessibleWidget(widget, QAccessible::Slider), source(slider) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return source.AccessibleValue(); }
    void setCurrentValue(const QVariant&) override {} // moved with the keys or the mouse only
    QVariant maximumValue() const override { return source.AccessibleMaximum(); }
    QVariant minimumValue() const override { return source.AccessibleMinimum(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    const AccessibleSlider& source;
};

// Asked for the most derived class first, so the program's own widgets are answered here
// before Qt's factory takes them for the Qt class they derive from.
QAccessibleInterface* SliderFactory(const QString&, QObject* object) {
    if (object == nullptr || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    const auto* slider = dynamic_cast<const AccessibleSlider*>(widget);
    return slider != nullptr ? new SliderInterface(widget, *slider) : nullptr;
}

} // namespace

AccessibleSlider::AccessibleSlider() {
    static const bool installed = [] {
        QAccessible::installFactory(SliderFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void ReportAccessibleValue(QWidget* slider, int value) {
    QAccessibleValueChangeEvent change(slider, value);
    QAccessible::updateAccessibility(&change);
}

} // namespace mottler
