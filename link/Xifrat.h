#ifndef KORVU_LINK_XIFRAT_H
#define KORVU_LINK_XIFRAT_H

// The frame cipher, keyed by the key file shared with the server. The key table is process-wide
// and stays as the last load left it.

constexpr int kMidaClaus = 2371;  // bytes of the key table, and of one cipher block

// Loads the key table from the file: 0 when filled, 10 when the file cannot be opened,
// 11 when it ends before the table is full (the bytes read so far stay in the table).
int CarregaClaus(const char* fitxer);

// Writes the wire header (total, high byte first, and the flag) and the total - 3 enciphered
// body bytes taken from text. A total above the 8,200 bytes of the wire buffer is cut to it.
void XifraTramesa(const char* text, char* wire, int total, unsigned char flag);

// Deciphers the body of the frame in wire into text, from its first byte, reading the total
// from the header. A total above 8,200 is cut to it, so text needs at most 8,197 bytes.
void DesxifraTramesa(const char* wire, char* text);

#endif
