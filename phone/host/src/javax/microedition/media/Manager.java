package javax.microedition.media;

import java.io.IOException;
import java.io.InputStream;
import orbhost.Phone;

/**
 * The test host's media: players that play nothing and write what they are
 * asked to do to the run's sound log. The host plays WAV, MIDI and MP3,
 * unless started with -Dorbhost.silent=true, when it plays nothing at all.
 * With -Dorbhost.audio=broken it is a phone whose audio fails: it names the
 * three types, but every player throws at realize and prefetch and every
 * tone throws, and the log notes each refusal as "failed".
 */
public final class Manager {
    private static final String[] TYPES = {"audio/x-wav", "audio/midi", "audio/mpeg"};
    private Manager() {}

    private static boolean silent() {
        return Boolean.getBoolean("orbhost.silent");
    }

    static boolean broken() {
        return "broken".equals(System.getProperty("orbhost.audio"));
    }

    public static String[] getSupportedContentTypes(String protocol) {
        return silent() ? new String[0] : TYPES.clone();
    }

    public static Player createPlayer(InputStream stream, String type) throws IOException, MediaException {
        byte[] bytes = stream.readAllBytes();
        stream.close();
        int number = Phone.current().newPlayer();
        Phone.current().sound("create " + number + " " + type + " " + bytes.length);
        return new RecordingPlayer(number, type, bytes);
    }

    public static void playTone(int note, int duration, int volume) throws MediaException {
        if (silent()) throw new MediaException("no tones");
        if (broken()) {
            Phone.current().sound("tone " + note + " " + duration + " " + volume + " failed");
            throw new MediaException("the audio device failed");
        }
        if (note < 0 || note > 127 || duration < 0 || volume < 0 || volume > 100) throw new IllegalArgumentException();
        Phone.current().sound("tone " + note + " " + duration + " " + volume);
    }
}
