"""Makes or removes the Wine prefix the Windows end-to-end checks run in.

Usage: wine_prefix.py create PREFIX [DPI] | wine_prefix.py remove PREFIX
"""

import os
import shutil
import subprocess
import sys

from x_session import xvfb

WINE = "/usr/lib/wine/wine64"


def wine(prefix, display, *args):
    env = dict(os.environ, WINEPREFIX=prefix, WINEDEBUG="-all",
               DISPLAY=display)
    subprocess.run([WINE] + list(args), env=env, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def create(prefix, dpi):
    remove(prefix)
    os.makedirs(os.path.dirname(prefix), exist_ok=True)
    with xvfb() as display:
        wine(prefix, display, "wineboot", "--init")
        # Unmanaged windows: without a window manager, Wine otherwise waits
        # about 2 s for one whenever a window is destroyed.
        wine(prefix, display, "reg", "add",
             r"HKCU\Software\Wine\X11 Driver", "/v", "Managed", "/d", "N",
             "/f")
        wine(prefix, display, "reg", "add", r"HKCU\Control Panel\Desktop",
             "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi), "/f")
        stop_server(prefix)


def stop_server(prefix):
    env = dict(os.environ, WINEPREFIX=prefix)
    subprocess.run(["/usr/lib/wine/wineserver", "-k"], env=env,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run(["/usr/lib/wine/wineserver", "-w"], env=env,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def remove(prefix):
    if os.path.isdir(prefix):
        stop_server(prefix)
        shutil.rmtree(prefix)


if __name__ == "__main__":
    action, prefix = sys.argv[1], os.path.abspath(sys.argv[2])
    if action == "create":
        create(prefix, int(sys.argv[3]) if len(sys.argv) > 3 else 96)
    else:
        remove(prefix)
    print("1 passed, 0 failed: wine prefix %s %s" % (action, prefix))
