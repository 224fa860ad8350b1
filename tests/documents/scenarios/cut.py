# A block that claims more than it holds is answered "9", and a transfer cut in the middle
# leaves no file: the earlier documents of those names stay as they were.
import docs_common as dc

SAMPLE = dc.sample(60000)


def dispatcher(conn):
    dc.redirect(conn)


def setup(ctx):
    import os
    os.makedirs(ctx.path("docs/01"), exist_ok=True)
    ctx.write_file("docs/01/malo.pdf", b"earlier malo")
    ctx.write_file("docs/01/cortado.pdf", b"earlier cortado")


def app(conn):
    dc.first_frame(conn)
    conn.send_text(dc.command(b"4", b"w", b"malo.pdf"))
    dc.expect_answer(conn, b"0", "command 4")
    conn.send_body(b"\x03abc\x05xy")
    dc.expect_answer(conn, b"9", "a literal past the block")
    conn.send_text(dc.command(b"4", b"R", b"cortado.pdf"))
    dc.expect_answer(conn, b"0", "command 4")
    blocks = dc.blocks(SAMPLE)
    conn.check(len(blocks) > 3, "the sample must need several blocks")
    for block in blocks[:2]:
        conn.send_body(block)
        dc.expect_answer(conn, b"0", "block")
    conn.close()


def after(ctx):
    import os
    ctx.check(ctx.read_file("docs/01/malo.pdf") == b"earlier malo", "malo.pdf changed")
    ctx.check(ctx.read_file("docs/01/cortado.pdf") == b"earlier cortado", "cortado.pdf changed")
    left = [n for n in os.listdir(ctx.path("docs/01")) if n not in ("malo.pdf", "cortado.pdf")]
    ctx.check(not left, "files left in the documents folder: %r" % left)
