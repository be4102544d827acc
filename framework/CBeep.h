// CBeep: the one place a window beeps at the user, with a seam that tests can listen on.
#pragma once

class CBeep {
public:
    using Handler = void (*)();

    // The default message beep, or the installed handler instead.
    static void Default();
    // Replaces the beep (nullptr restores the real one); returns the previous handler.
    static Handler SetHandler(Handler handler);
};
