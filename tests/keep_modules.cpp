// Preloaded into the end-to-end runs of the sanitizer build. Libraries that the
// platform loads at run time (Mesa's drivers behind EGL, on Wayland) are
// unloaded before LeakSanitizer looks: what their own globals still pointed to
// then shows as a leak from an unknown module, which no suppression can name.
// Keeping every module loaded until exit lets the leak check see them as the
// process left them, and still report what Tessivane itself leaks.
extern "C" int dlclose(void*)
{
    return 0;
}
