# Self-update: no server; the stand-ins download and record.
def setup(ctx):
    import os
    for name in ("wget", "instalador"):
        ctx.install_standin(name)
    os.makedirs(ctx.path("fuente"), exist_ok=True)
    import shutil
    shutil.copy(ctx.path("instalador.exe"), ctx.path("fuente/korvuc_8install.exe"))
