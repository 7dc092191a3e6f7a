// The single program-wide instance of a window: touching it creates the window,
// hidden; show, hide and destroy act on that one window.
#pragma once

#include <QPointer>
#include <QWidget>

template <class T>
class Instance final {
public:
    using Factory = T* (*)();
    explicit Instance(Factory make) : m_make(make) {}
    Instance(const Instance&) = delete;
    Instance& operator=(const Instance&) = delete;

    // The window, created hidden on first touch (or afresh after its close box).
    T& get()
    {
        if (!isCreated())
            m_window = m_make();
        return *m_window;
    }
    T* operator->() { return &get(); }

    bool isCreated() const { return m_window && !closing(m_window.data()); }
    bool isVisible() const { return isCreated() && m_window->isVisible(); }

    // Visible, in front and active; a shown window is only brought to the front.
    void show()
    {
        T& w = get();
        // A window the window manager minimised comes back too.
        if (w.isMinimized())
            w.setWindowState(w.windowState() & ~Qt::WindowMinimized);
        w.show();
        w.raise();
        w.activateWindow();
    }
    void hide()
    {
        if (isCreated())
            m_window->hide();
    }
    // Gone at once for the program; Qt deletes it when control returns to the event loop.
    void destroy()
    {
        if (!m_window)
            return;
        m_window->hide();
        m_window->deleteLater();
        m_window.clear();
    }

private:
    static bool closing(const T* w)
    {
        if constexpr (requires { w->isClosing(); })
            return w->isClosing();
        else
            return false;
    }

    Factory m_make;
    QPointer<T> m_window;
};
