#include "platform/qt/xkb_lock_keys.h"

#include <QGuiApplication>
#include <QLibrary>

#if QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
#endif

namespace kalvex {

XkbLockKeys::XkbLockKeys()
{
#if QT_CONFIG(xcb)
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display())
        return;
    // The X11 platform plugin has loaded the library already; this only finds its functions.
    QLibrary library(QStringLiteral("X11"), 6);
    using InternAtom = Atom (*)(void* display, const char* name, int onlyIfExists);
    const auto internAtom = reinterpret_cast<InternAtom>(library.resolve("XInternAtom"));
    const auto getNamedIndicator =
        reinterpret_cast<GetNamedIndicator>(library.resolve("XkbGetNamedIndicator"));
    if (!internAtom || !getNamedIndicator)
        return;
    m_display = x11->display();
    m_getNamedIndicator = getNamedIndicator;
    const char* const names[] = {"Caps Lock", "Num Lock", "Scroll Lock"};
    for (std::size_t i = 0; i < m_indicators.size(); ++i)
        m_indicators[i] = internAtom(m_display, names[i], 0);
#endif
}

bool XkbLockKeys::IsOn(Atom indicator) const
{
    int state = 0;
    return m_getNamedIndicator(m_display, indicator, nullptr, &state, nullptr, nullptr) != 0 && state != 0;
}

std::optional<LockKeyState> XkbLockKeys::Read()
{
    if (!m_getNamedIndicator)
        return std::nullopt;
    return LockKeyState{IsOn(m_indicators[0]), IsOn(m_indicators[1]), IsOn(m_indicators[2])};
}

} // namespace kalvex
