// Linked into the program only in the sanitizer build. The program always ends
// with status 1, which is also the sanitizers' default: give their reports a
// status of their own so that no test can mistake one for a normal end.
extern "C" {
const char* __asan_default_options();
const char* __ubsan_default_options();

const char* __asan_default_options() { return "exitcode=86:halt_on_error=1:detect_leaks=1:abort_on_error=0"; }
const char* __ubsan_default_options() { return "exitcode=86:halt_on_error=1:print_stacktrace=1"; }
}
