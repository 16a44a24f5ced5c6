package javax.microedition.media;

import javax.microedition.media.control.VolumeControl;
import orbhost.Phone;

/**
 * A player that logs each request as "NUMBER request". It accepts a file as
 * a phone would only when the file starts as its type must ("RIFF" for WAV,
 * "MThd" for MIDI, an ID3 tag or a frame sync for MP3), and refuses it at
 * realize otherwise. Nothing plays, so a started player stays started and
 * its media time stays 0.
 */
final class RecordingPlayer implements Player, VolumeControl {
    private final int number;
    private final boolean acceptable;
    private int state = UNREALIZED;
    private int level = 100;

    RecordingPlayer(int number, String type, byte[] bytes) {
        this.number = number;
        this.acceptable = startsAsItMust(type, bytes);
    }

    private static boolean startsAsItMust(String type, byte[] b) {
        switch (type) {
            case "audio/x-wav": return startsWith(b, "RIFF");
            case "audio/midi": return startsWith(b, "MThd");
            case "audio/mpeg": return startsWith(b, "ID3") || b.length >= 2 && (b[0] & 0xFF) == 0xFF && (b[1] & 0xE0) == 0xE0;
            default: return false;
        }
    }

    private static boolean startsWith(byte[] b, String id) {
        if (b.length < id.length()) return false;
        for (int i = 0; i < id.length(); i++)
            if (b[i] != id.charAt(i)) return false;
        return true;
    }

    private void log(String request) {
        Phone.current().sound(number + " " + request);
    }

    private void checkOpen() {
        if (state == CLOSED) throw new IllegalStateException("player " + number + " is closed");
    }

    public void realize() throws MediaException {
        checkOpen();
        if (Manager.broken()) {
            log("realize failed");
            throw new MediaException("the audio device failed");
        }
        log("realize");
        if (!acceptable) throw new MediaException("not a file of its type");
        if (state < REALIZED) state = REALIZED;
    }

    public void prefetch() throws MediaException {
        if (state < REALIZED) realize();
        if (Manager.broken()) {
            log("prefetch failed");
            throw new MediaException("the audio device failed");
        }
        log("prefetch");
        if (state < PREFETCHED) state = PREFETCHED;
    }

    public void start() throws MediaException {
        if (state < PREFETCHED) prefetch();
        log("start");
        state = STARTED;
    }

    public void stop() throws MediaException {
        checkOpen();
        log("stop");
        if (state == STARTED) state = PREFETCHED;
    }

    public void close() {
        log("close");
        state = CLOSED;
    }

    public long setMediaTime(long now) throws MediaException {
        checkOpen();
        if (state == UNREALIZED) throw new IllegalStateException("player " + number + " is not realized");
        log("time " + now);
        return Math.max(now, 0);
    }

    public long getMediaTime() {
        return state == CLOSED ? TIME_UNKNOWN : 0;
    }

    public int getState() {
        return state;
    }

    public void setLoopCount(int count) {
        checkOpen();
        log("loops " + count);
    }

    public Control getControl(String controlType) {
        checkOpen();
        return controlType.equals("VolumeControl") || controlType.equals("javax.microedition.media.control.VolumeControl")
                ? this : null;
    }

    public Control[] getControls() {
        checkOpen();
        return new Control[] {this};
    }

    public int setLevel(int level) {
        this.level = Math.max(0, Math.min(100, level));
        log("level " + this.level);
        return this.level;
    }

    public int getLevel() {
        return level;
    }

    public void setMute(boolean mute) {
        log("mute " + mute);
    }

    public boolean isMuted() {
        return false;
    }
}
