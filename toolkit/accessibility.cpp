#include "toolkit/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>
#include <QScrollBar>

#include "toolkit/qt_text.h"

namespace toolkit {
namespace {

constexpr char kDecorative[] = "kolwe_decorative";
constexpr char kLabelledBy[] = "kolwe_labelled_by";

using Relations = QList<QPair<QAccessibleInterface*, QAccessible::Relation>>;

// A plain container widget (the form's client area) lists its children without the
// decorative ones.
class AccessibleContainer : public QAccessibleWidget {
 public:
  using QAccessibleWidget::QAccessibleWidget;

  int childCount() const override { return Listed().size(); }
  QAccessibleInterface* child(int index) const override {
    const QWidgetList listed = Listed();
    if (index < 0 || index >= listed.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(listed.at(index));
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return Listed().indexOf(qobject_cast<QWidget*>(child->object()));
  }

 private:
  QWidgetList Listed() const {
    QWidgetList listed;
    for (QObject* object : widget()->children()) {
      auto* child = qobject_cast<QWidget*>(object);
      if (child && !child->isWindow() && !child->property(kDecorative).toBool()) listed << child;
    }
    return listed;
  }
};

// A scroll bar with its value, and labelled by the label that also names its field (a
// QLabel has only one buddy, which the field takes).
class AccessibleScrollBar : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit AccessibleScrollBar(QScrollBar* bar) : QAccessibleWidget(bar, QAccessible::ScrollBar) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QString text(QAccessible::Text type) const override {
    if (type == QAccessible::Value) return QString::number(Bar()->value());
    return QAccessibleWidget::text(type);
  }
  Relations relations(QAccessible::Relation match) const override {
    Relations found = QAccessibleWidget::relations(match);
    QWidget* label = widget()->property(kLabelledBy).value<QPointer<QWidget>>();
    if (label && (match & QAccessible::Label) &&
        qobject_cast<QLabel*>(label)->buddy() != widget()) {
      found.append({QAccessible::queryAccessibleInterface(label), QAccessible::Label});
    }
    return found;
  }

  QVariant currentValue() const override { return Bar()->value(); }
  void setCurrentValue(const QVariant& value) override { Bar()->setValue(value.toInt()); }
  QVariant maximumValue() const override { return Bar()->maximum(); }
  QVariant minimumValue() const override { return Bar()->minimum(); }
  QVariant minimumStepSize() const override { return Bar()->singleStep(); }

 private:
  QScrollBar* Bar() const { return static_cast<QScrollBar*>(widget()); }
};

// Class names arrive most derived first; the toolkit's widgets that declare no class of
// their own arrive as their Qt base.
QAccessibleInterface* ToolkitInterfaces(const QString& class_name, QObject* object) {
  if (class_name == u"QScrollBar") return new AccessibleScrollBar(static_cast<QScrollBar*>(object));
  if (class_name == u"QWidget") return new AccessibleContainer(static_cast<QWidget*>(object));
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  static bool installed = false;
  if (!installed) QAccessible::installFactory(ToolkitInterfaces);
  installed = true;
}

void SetAccessibleName(QWidget* control, const Text& name) {
  control->setAccessibleName(ToQString(name));
}

void SetLabelFor(QWidget* label, QWidget* control) {
  auto* caption = static_cast<QLabel*>(label);
  if (!caption->buddy()) caption->setBuddy(control);
  control->setProperty(kLabelledBy, QVariant::fromValue(QPointer<QWidget>(caption)));
}

void HideFromAccessibility(QWidget* widget) { widget->setProperty(kDecorative, true); }

}  // namespace toolkit
