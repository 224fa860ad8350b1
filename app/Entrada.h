#ifndef KORVU_APP_ENTRADA_H
#define KORVU_APP_ENTRADA_H

#include <functional>

// The last place where a failure is caught: runs the program and gives its exit code, or
// shows what escaped it and gives -1. An ExitException or an int ends it without a box.
class Entrada {
public:
    static int Executa(const std::function<int()>& programa);
};

#endif
