#include "app/Entrada.h"

#include "framework/DispError.h"
#include "framework/ErrorBox.h"
#include "framework/Exception.h"

#include <windows.h>

namespace {

// The program is over, but a window destroyed on the way out (the main window whose creation
// failed, say) has asked the loop to end: that quit message would close the box at once.
void Mostra(const std::string& text)
{
    MSG msg;
    PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    Win::ErrorBox::Show(text);
}

} // namespace

int Entrada::Executa(const std::function<int()>& programa)
{
    try {
        return programa();
    } catch (const DispError& e) {
        Mostra(e.Texto());
    } catch (const Win::Exception& e) {
        Mostra(e.Message());
    } catch (const Win::ExitException&) {
    } catch (int) {
    } catch (...) {
        Mostra("Excepción desconocida");
    }
    return -1;
}
