// What the sanitizers must not report in the tests and benchmarks; compiled into each test program
// and benchmark, where the sanitizers look for it.
//
// Fontconfig keeps its caches for the whole process and never frees them; LeakSanitizer would
// report them at the exit of every program that draws text.
//
// ThreadSanitizer: glibc guards its time-zone state with a lock of its own that the
// sanitizer does not see, and Qt calls tzset() for every local time, so two threads that stamp
// local times (a worker and the log) race there only on paper. Likewise Qt hands a queued call
// to another thread's event loop under its own futex-based lock: the worker's post inside Qt,
// the event that the main loop destroys after the call, and the wake-up of the main loop through
// glib race only on paper. A text that two threads share is freed by the one that drops it last;
// when that is Qt's own copy assignment, which the sanitizer cannot see into, the free looks
// unordered with the other thread's last use. Qt's thread pool, which scales and converts icons
// and fills large rectangles for the GUI library, hands its work over the same way, and its
// workers copy and free Qt's own buffers inside the core library; Qt itself is not instrumented,
// so only those copies and frees of its own would show, and they are ignored as the GUI
// library's are. Each other entry names Qt's own frame exactly, so that a race in the program's
// code around these calls is still reported. The sound player's PulseAudio client runs threads
// of its own whose hand-over of memory the sanitizer does not see; its libraries are ignored
// as Qt's are.

#if defined(__SANITIZE_THREAD__)
extern "C" const char* __tsan_default_suppressions()
{
    return "race:tzset_internal\n"
           "race:^QMetaObject::invokeMethodImpl(\n"
           "race:^invokeMethod<\n"
           "race:^QCoreApplication::postEvent(\n"
           "race:^Wnd::PostMessage(WndHandle,\n"
           "race:^WndFramePoster::Post(\n"
           "race:^QEvent::type() const$\n"
           "race:^QRunnable::create(\n"
           "called_from_lib:libQt6Gui.so.6\n"
           "called_from_lib:libQt6Core.so.6\n"
           "called_from_lib:libpulse.so.0\n"
           "called_from_lib:libpulsecommon\n"
           "race:^QMetaCallEvent::~QMetaCallEvent()$\n"
           "race:libglib-2.0.so\n"
           "race:^QString::operator=(QString const&)$\n";
}
#endif

#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
#endif
