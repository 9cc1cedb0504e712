#pragma once

#include <windows.h>

#include "viewer/CallbackGuard.h"
#include "viewer/WinHandles.h"

namespace dd {

// Where a window's procedure finds the object of its window. Each window kind chooses where it
// declares its slot, and says why there.
struct ObjectSlot {
    // The name of the window property that holds the object; none for the window's user data
    // (GWLP_USERDATA). A property leaves the user data to others, but every read of it is a trip to
    // Wine's server (the last one read is kept, so a run of messages to one window makes one trip);
    // the user data is read inside the process.
    const wchar_t* property = nullptr;

    void* Load(HWND window) const noexcept;
    // Fails with the system's error when the property cannot be set.
    void Store(HWND window, void* object) const;
    void Clear(HWND window) const noexcept;
};

// The base of the viewer's window kinds, after the BaseWindow of Windows' classic samples: one static
// procedure, WindowProc, finds the window's object and runs its HandleMessage inside the exception
// guard, so that an exception goes to the object's exception route and nothing unwinds into Windows.
// It serves windows of our own classes (the messages an object leaves go to DefWindowProcW) and
// subclassed system controls (they go to the control's previous procedure, through CallWindowProcW).
// WM_NCDESTROY lets go of the object: Windows has destroyed the window.
//
// A window kind `Derived` (which makes WindowBase<Derived> its friend) declares:
//   static constexpr ObjectSlot kObjectSlot, where its procedure finds it;
//   LRESULT HandleMessage(UINT, WPARAM, LPARAM), a short dispatch to named handlers that hands what it
//     leaves to binding_.Default;
//   a UniqueWindow that owns its window, and as its last member `Binding binding_`: the binding is made
//     after every other member and undone before any of them is destroyed, so that no message reaches
//     an object whose members are being destroyed.
template <typename Derived>
class WindowBase {
public:
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;

protected:
    WindowBase() = default;
    ~WindowBase() = default;

    // The binding of the object to the window of its owner. Made unbound; a window of our own class
    // made with the object as its creation parameter is owned and bound at WM_NCCREATE.
    class Binding {
    public:
        Binding(Derived& object, ExceptionSink* errors, UniqueWindow& owner) noexcept
            : object_(object), errors_(errors), owner_(owner) {}
        ~Binding() { Unbind(); }
        Binding(const Binding&) = delete;
        Binding& operator=(const Binding&) = delete;

        // Binds the owner's window, one of our own class: its messages reach the object from now on.
        void Bind() { Attach(owner_.get()); }
        // Binds the owner's window, a system control, and puts WindowProc in place of its procedure,
        // which keeps the messages that the object leaves.
        void Subclass() {
            Attach(owner_.get());
            previous_ = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowBase::WindowProc)));
        }
        // From here on the window's messages no longer reach the object: a control's own procedure is
        // put back first, then the slot is cleared.
        void Unbind() noexcept {
            if (!bound_) return;
            bound_ = false;
            if (previous_ != nullptr) SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
            Derived::kObjectSlot.Clear(window_);
        }
        // Windows is destroying the window: unbound, and the owner lets go of a handle that is going.
        void ReleaseDestroyedWindow() noexcept {
            Unbind();
            owner_.release();
        }
        // What the window does with a message the object leaves: the control's previous procedure, or
        // DefWindowProcW. It still serves the message during which the binding was undone.
        LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) const {
            if (previous_ != nullptr) return CallWindowProcW(previous_, window_, message, wParam, lParam);
            return DefWindowProcW(window_, message, wParam, lParam);
        }

    private:
        friend class WindowBase;

        void Attach(HWND window) {
            Derived::kObjectSlot.Store(window, &object_);
            window_ = window;
            bound_ = true;
        }
        void AdoptCreated(HWND window) {
            owner_.reset(window);
            Attach(window);
        }

        Derived& object_;
        ExceptionSink* errors_;
        UniqueWindow& owner_;
        HWND window_ = nullptr;
        WNDPROC previous_ = nullptr;
        bool bound_ = false;
    };

    // The procedure of the window kind's class, or of its subclassed control.
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
        Derived* object = message == WM_NCCREATE ? CreationParameter(lParam) : nullptr;
        if (object == nullptr) object = static_cast<Derived*>(Derived::kObjectSlot.Load(window));
        if (object == nullptr) return UnboundDefault(window, message, wParam, lParam);
        Binding& binding = object->binding_;
        return GuardedCallback(binding.errors_, 0, [&]() -> LRESULT {
            if (message == WM_NCCREATE && !binding.bound_) binding.AdoptCreated(window);
            if (message == WM_NCDESTROY) {
                binding.ReleaseDestroyedWindow();
                return binding.Default(message, wParam, lParam);
            }
            return object->HandleMessage(message, wParam, lParam);
        });
    }

private:
    static Derived* CreationParameter(LPARAM lParam) noexcept {
        return static_cast<Derived*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
    }

    // A window with no object: one of our own class (whose class procedure is this one) goes to
    // DefWindowProcW, a system control to its class's procedure.
    static LRESULT UnboundDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
        const auto classProcedure = reinterpret_cast<WNDPROC>(GetClassLongPtrW(window, GCLP_WNDPROC));
        if (classProcedure == &WindowBase::WindowProc) return DefWindowProcW(window, message, wParam, lParam);
        return CallWindowProcW(classProcedure, window, message, wParam, lParam);
    }
};

}  // namespace dd
