#include "app/Entrada.h"

#include "framework/DispError.h"
#include "framework/ErrorBox.h"
#include "framework/Exception.h"

int Entrada::Executa(const std::function<int()>& programa)
{
    try {
        return programa();
    } catch (const DispError& e) {
        Win::ErrorBox::Show(e.Texto());
    } catch (const Win::Exception& e) {
        MuestraDispError(e.Message());
    } catch (const Win::ExitException&) {
    } catch (int) {
    } catch (...) {
        Win::ErrorBox::Show("Excepción desconocida");
    }
    return -1;
}
