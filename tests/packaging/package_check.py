"""Checks the packages as a player would meet them.

Usage:
  package_check.py deb BUILD_DIR   build the .deb, lintian it, install it with
                                   dpkg, play it from a player's PATH in a
                                   private Xvfb, remove it, check nothing is
                                   left behind
  package_check.py zip BUILD_DIR   build the Windows zip, check it holds
                                   exactly the program, README and LICENSE,
                                   and play the program from it under Wine
"""

import glob
import os
import shutil
import subprocess
import sys
import tempfile
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "e2e"))
import play_test  # noqa: E402
import wine_prefix  # noqa: E402

# What /etc/profile gives a player on Debian: the games directories included.
PLAYER_PATH = "/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games"


def run(*command, **options):
    return subprocess.run(command, check=True, capture_output=True, text=True,
                          **options).stdout


def as_root(*command):
    prefix = [] if os.geteuid() == 0 else ["sudo"]
    return run(*prefix, *command)


def installed(package):
    result = subprocess.run(["dpkg-query", "-W", "-f=${Status}", package],
                            capture_output=True, text=True)
    return result.returncode == 0 and "installed" in result.stdout.split()


def check_deb(build_dir):
    for old in glob.glob(os.path.join(build_dir, "zelvanor_*.deb")):
        os.remove(old)
    run("cpack", "-G", "DEB", cwd=build_dir)
    [deb] = glob.glob(os.path.join(build_dir, "zelvanor_*_amd64.deb"))
    lintian = subprocess.run(["lintian", "--fail-on", "error", deb],
                             capture_output=True, text=True)
    print("lintian:", lintian.stdout.strip() or "nothing to report")
    play_test.expect(lintian.returncode == 0, "lintian: " + lintian.stdout)

    play_test.expect(not installed("zelvanor"),
                     "zelvanor is installed already; remove it first")
    contents = [line.split()[-1].lstrip(".")
                for line in run("dpkg-deb", "-c", deb).splitlines()]
    files = [path for path in contents if not path.endswith("/")]
    as_root("dpkg", "-i", deb)
    try:
        game = shutil.which("zelvanor", path=PLAYER_PATH)
        play_test.expect(game == "/usr/games/zelvanor",
                         "zelvanor on a player's PATH: %s" % game)
        with open("/usr/share/applications/zelvanor.desktop") as launcher:
            entry = launcher.read()
        play_test.expect("Exec=zelvanor" in entry and "Categories=Game;" in entry,
                         "launcher: " + entry)
        play_test.expect(os.path.exists(
            "/usr/share/icons/hicolor/scalable/apps/zelvanor.svg"), "icon")
        os.environ["PATH"] = PLAYER_PATH + ":" + os.environ["PATH"]
        with tempfile.TemporaryDirectory() as shots:
            play_test.CHECKS["closing_the_window_ends_with_status_0"](
                "zelvanor", shots)
    finally:
        as_root("dpkg", "-r", "zelvanor")
    left = [path for path in files if os.path.lexists(path)]
    left += [d for d in ("/usr/share/doc/zelvanor",) if os.path.exists(d)]
    play_test.expect(not left, "left behind: %s" % left)
    play_test.expect(not installed("zelvanor"), "still installed")
    print("package contents:\n  " + "\n  ".join(files))


def check_zip(build_dir):
    run("cpack", "-G", "ZIP", cwd=build_dir)
    [archive] = glob.glob(os.path.join(build_dir, "zelvanor-*-win64.zip"))
    with zipfile.ZipFile(archive) as z:
        names = sorted(z.namelist())
        play_test.expect(names == ["LICENSE", "README.md", "zelvanor.exe"],
                         "zip holds %s" % names)
        with tempfile.TemporaryDirectory() as unpacked:
            z.extractall(unpacked)
            prefix = os.path.join(unpacked, "wine")
            wine_prefix.create(prefix, 96)
            try:
                play_test.target.wine_prefix = prefix
                play_test.CHECKS["closing_the_window_ends_with_status_0"](
                    os.path.join(unpacked, "zelvanor.exe"), unpacked)
            finally:
                wine_prefix.remove(prefix)
    print("zip contents: " + ", ".join(names))


if __name__ == "__main__":
    {"deb": check_deb, "zip": check_zip}[sys.argv[1]](sys.argv[2])
    print("1 passed, 0 failed: %s package" % sys.argv[1])
