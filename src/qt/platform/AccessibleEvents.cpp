#include "qt/platform/AccessibleEvents.h"

#include <QAccessible>

#include <map>
#include <utility>

namespace corvane {

namespace {

struct Hook {
  std::map<int, AccessibleEvents::Filter> filters;
  std::map<int, AccessibleEvents::Listener> listeners;
  int nextId = 1;
  // What heard the events before this hook, if anything.
  QAccessible::UpdateHandler before = nullptr;
  bool installed = false;
};

Hook& hook() {
  static Hook instance;
  return instance;
}

void send(QAccessibleEvent* event);

void deliver(QAccessibleEvent* event) {
  Hook& h = hook();
  if (h.before) {
    h.before(event);
    return;
  }
  // On to the platform, as if nobody listened in.
  QAccessible::installUpdateHandler(nullptr);
  QAccessible::updateAccessibility(event);
  QAccessible::installUpdateHandler(send);
}

void send(QAccessibleEvent* event) {
  // Copies: a filter or listener may come or go while it runs.
  const auto filters = hook().filters;
  for (const auto& [id, filter] : filters) {
    if (!filter(event)) return;
  }
  deliver(event);
  const auto listeners = hook().listeners;
  for (const auto& [id, listener] : listeners) listener(event);
}

int add() {
  Hook& h = hook();
  if (!h.installed) {
    h.before = QAccessible::installUpdateHandler(send);
    h.installed = true;
  }
  return h.nextId++;
}

}  // namespace

namespace AccessibleEvents {

int addFilter(Filter filter) {
  const int id = add();
  hook().filters.emplace(id, std::move(filter));
  return id;
}

int addListener(Listener listener) {
  const int id = add();
  hook().listeners.emplace(id, std::move(listener));
  return id;
}

void remove(int id) {
  Hook& h = hook();
  h.filters.erase(id);
  h.listeners.erase(id);
  if (h.installed && h.filters.empty() && h.listeners.empty()) {
    QAccessible::installUpdateHandler(h.before);
    h.before = nullptr;
    h.installed = false;
  }
}

}  // namespace AccessibleEvents

}  // namespace corvane
