#include "ui/controls/value_slider_accessible.h"

#include "ui/controls/focus_scroll_bar.h"

#include <QAccessibleWidget>

namespace kalvex {
namespace {

// A line step moves the value by one of its unit, whatever the slider's scale.
constexpr double kLineStep = 1.0;

class CValueSliderAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit CValueSliderAccessible(CFocusScrollBar& slider) : QAccessibleWidget(&slider, QAccessible::Slider)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Value ? Slider().Reading().text : QAccessibleWidget::text(type);
    }

    QVariant currentValue() const override { return Slider().Reading().value; }
    void setCurrentValue(const QVariant& value) override { emit Slider().valueRequested(value.toDouble()); }
    QVariant maximumValue() const override { return Slider().Reading().maximum; }
    QVariant minimumValue() const override { return Slider().Reading().minimum; }
    QVariant minimumStepSize() const override { return kLineStep; }

private:
    CFocusScrollBar& Slider() const { return *static_cast<CFocusScrollBar*>(widget()); }
};

QAccessibleInterface* ValueSliderFactory(const QString&, QObject* object)
{
    auto* slider = qobject_cast<CFocusScrollBar*>(object);
    return slider ? new CValueSliderAccessible(*slider) : nullptr;
}

} // namespace

void InstallValueSliderAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory(&ValueSliderFactory);
        return true;
    }();
    (void)installed;
}

} // namespace kalvex
