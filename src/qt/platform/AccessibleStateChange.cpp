#include "qt/platform/AccessibleStateChange.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace {

// An object on the accessibility bus: the connection it lies on and its path there.
struct BusObject {
  QString service;
  QDBusObjectPath path;
};

}  // namespace

Q_DECLARE_METATYPE(BusObject)

namespace {

QDBusArgument& operator<<(QDBusArgument& argument, const BusObject& object) {
  argument.beginStructure();
  argument << object.service << object.path;
  argument.endStructure();
  return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, BusObject& object) {
  argument.beginStructure();
  argument >> object.service >> object.path;
  argument.endStructure();
  return argument;
}

// The toolkit's own connection to the accessibility bus, by the name it gives it, and the paths
// it gives objects there: a reader takes an event to be about an object only when it comes from
// that connection and path.
const char kToolkitConnection[] = "a11y";
const char kObjectPaths[] = "/org/a11y/atspi/accessible/";

// Sends an event of the object events interface about object, from the toolkit's connection.
void sendObjectEvent(QAccessibleInterface* object, const QString& member, const QString& kind,
                     int detail, const QVariant& data) {
  static const QMetaType registered = qDBusRegisterMetaType<BusObject>();
  (void)registered;
  if (!object || !QAccessible::isActive()) return;
  QDBusConnection bus(QString::fromLatin1(kToolkitConnection));
  if (!bus.isConnected()) return;
  const QString paths = QString::fromLatin1(kObjectPaths);
  QDBusMessage event =
      QDBusMessage::createSignal(paths + QString::number(QAccessible::uniqueId(object)),
                                 QStringLiteral("org.a11y.atspi.Event.Object"), member);
  event << kind << detail << 0 << QVariant::fromValue(QDBusVariant(data))
        << QVariant::fromValue(
               BusObject{bus.baseService(), QDBusObjectPath(paths + QStringLiteral("root"))});
  bus.send(event);
}

}  // namespace

namespace corvane {

void sendAccessibleStateChange(QAccessibleInterface* object, const QString& state, bool on) {
  sendObjectEvent(object, QStringLiteral("StateChanged"), state, on ? 1 : 0, QVariant(0));
}

void sendAccessibleActiveDescendant(QAccessibleInterface* object,
                                    QAccessibleInterface* descendant) {
  if (!descendant || !QAccessible::isActive()) return;
  QDBusConnection bus(QString::fromLatin1(kToolkitConnection));
  const QString path =
      QString::fromLatin1(kObjectPaths) + QString::number(QAccessible::uniqueId(descendant));
  sendObjectEvent(object, QStringLiteral("ActiveDescendantChanged"), QString(), 0,
                  QVariant::fromValue(BusObject{bus.baseService(), QDBusObjectPath(path)}));
}

}  // namespace corvane
