# SPDX-License-Identifier: GPL-3.0-or-later
"""What scripts/orca-speech and scripts/orca-speech-web share: a private home,
Orca speaking through a silent speech-dispatcher whose voice writes each
utterance to a file, and the steps a user takes, printed with what Orca said.

Orca speaks through a private speech-dispatcher whose only voice is silent:
its generic module writes each utterance to a file and never opens a sound
device (a module that waits for one hangs Orca)."""
import os
import shutil
import subprocess
import sys
import time


SPEECH_SETTLE_SECONDS = 2.0
TOOLS = ("orca", "speech-dispatcher")


def private_home(scratch):
    """A home and runtime folder of their own under scratch, for this process
    and everything it starts; returns (home, runtime)."""
    home = os.path.join(scratch, "home")
    runtime = os.path.join(scratch, "run")
    os.makedirs(home)
    os.makedirs(runtime, mode=0o700)
    os.environ.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
                      XDG_DATA_HOME=os.path.join(home, "data"),
                      XDG_CACHE_HOME=os.path.join(home, "cache"),
                      XDG_RUNTIME_DIR=runtime)
    return home, runtime


def silent_speech(home):
    """A speech-dispatcher configuration whose voice writes to spoken.txt."""
    spoken = os.path.join(home, "spoken.txt")
    config = os.path.join(home, "config", "speech-dispatcher")
    os.makedirs(os.path.join(config, "modules"))
    with open(os.path.join(config, "speechd.conf"), "w", encoding="utf-8") as conf:
        conf.write('AddModule "silent" "sd_generic" "silent.conf"\n'
                   'DefaultModule silent\n'
                   'LanguageDefaultModule "en" "silent"\n'
                   # libao's null driver: the module's audio opens without a device.
                   'AudioOutputMethod "libao"\n')
    with open(os.path.join(config, "modules", "silent.conf"), "w", encoding="utf-8") as conf:
        conf.write(f'GenericExecuteSynth "printf \'%s\\\\n\' \\\'$DATA\\\' >> {spoken}"\n'
                   'AddVoice "en" "MALE1" "en"\n'
                   'GenericLanguage "en" "en" "utf-8"\n')
    with open(os.path.join(home, ".libao"), "w", encoding="utf-8") as libao:
        libao.write("default_driver=null\n")
    open(spoken, "w", encoding="utf-8").close()
    return spoken


class Speech:
    """What Orca said since the last look."""

    def __init__(self, path):
        self.path = path
        self.seen = 0

    def heard(self, settle=SPEECH_SETTLE_SECONDS):
        time.sleep(settle)
        with open(self.path, encoding="utf-8", errors="replace") as spoken:
            lines = [line.strip() for line in spoken.read().splitlines() if line.strip()]
        new, self.seen = lines[self.seen:], len(lines)
        return new

    def started(self, seconds=60):
        """Waits for Orca's first words ("Screen reader on.")."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if self.heard(1):
                return True
        return False

    def step(self, label, silence=None):
        """Prints what the step made Orca say; False when it said nothing and
        had no reason (silence) to stay silent."""
        said = self.heard()
        print(f"   {label}: {' / '.join(said) if said else '(nothing)'}"
              + (f" ({silence})" if silence and not said else ""))
        return bool(said or silence)


def start_orca():
    """Orca, run by this process's Python (the one with pyatspi) where Orca is
    a Python script: its "#!/usr/bin/env python3" may find another first."""
    orca = shutil.which("orca") or "orca"
    try:
        with open(orca, "rb") as script:
            python_script = b"python" in script.readline()
    except OSError:
        python_script = False
    command = [sys.executable, orca] if python_script else [orca]
    return subprocess.Popen([*command, "--replace"], stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)


def stop_speech_dispatcher(runtime):
    """The dispatcher Orca started leaves with its session; ended here by its
    own pid file so the private bus closes."""
    try:
        with open(os.path.join(runtime, "speech-dispatcher", "pid"), encoding="utf-8") as pid:
            os.kill(int(pid.read().strip()), 15)
    except (OSError, ValueError):
        pass
