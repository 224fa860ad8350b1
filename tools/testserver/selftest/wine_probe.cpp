// A Windows client of the test server for the harness's own check under wine: the working
// directory is the workdir, the ports come from the environment, the closed port refuses, and
// bytes travel both ways on the dispatcher's port. No cipher: the scenario looks at raw bytes.
#include <winsock2.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

int Fail(const char* what, int code)
{
    std::printf("wine probe: %s (%d)\n", what, code);
    return 1;
}

SOCKET Connect(const char* variable, int& error)
{
    const char* port = std::getenv(variable);
    error = 0;
    if (!port)
        return INVALID_SOCKET;
    SOCKET s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in to = {};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<u_short>(std::atoi(port)));
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(s, reinterpret_cast<sockaddr*>(&to), sizeof to) != 0) {
        error = WSAGetLastError();
        closesocket(s);
        return INVALID_SOCKET;
    }
    return s;
}

}  // namespace

int main()
{
    if (std::FILE* f = std::fopen("korvuc.cfg", "rb"))
        std::fclose(f);
    else
        return Fail("no korvuc.cfg in the working directory", 0);

    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0)
        return Fail("WSAStartup", 0);
    int error = 0;
    if (Connect("KORVU_CLOSED_PORT", error) != INVALID_SOCKET || error != WSAECONNREFUSED)
        return Fail("the closed port did not refuse", error);

    SOCKET s = Connect("KORVU_DISPATCHER_PORT", error);
    if (s == INVALID_SOCKET)
        return Fail("connect to the dispatcher", error);
    const char frame[] = {0x00, 0x05, 0x00, 0x30, 0x00};
    if (send(s, frame, sizeof frame, 0) != static_cast<int>(sizeof frame))
        return Fail("send", WSAGetLastError());
    char answer[16] = {};
    int got = 0;
    while (got < 5) {
        const int n = recv(s, answer + got, 5 - got, 0);
        if (n <= 0)
            return Fail("recv", WSAGetLastError());
        got += n;
    }
    closesocket(s);
    WSACleanup();
    if (std::string_view(answer, 5) != "hello")
        return Fail("unexpected answer", 0);
    std::printf("wine probe: ok\n");
    return 0;
}
