// Leak checking in AddressSanitizer builds of every program that links the stand-in. FLTK opens
// its fonts through Xft and fontconfig, which keep the loaded configuration and each matched font
// pattern until the process ends; LeakSanitizer reports them as leaks, with stacks that end inside
// libfontconfig. Those reports, and only allocations made inside fontconfig, are suppressed.
#ifdef __SANITIZE_ADDRESS__

extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

#endif
