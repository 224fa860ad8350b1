# No server at all: the test drives the wget stand-in through its control file, case by case.


def setup(ctx):
    ctx.install_standin("wget")
