package javax.microedition.media;
public final class Manager {
    public static native String[] getSupportedContentTypes(String protocol);
    public static native Player createPlayer(java.io.InputStream stream, String type)
            throws java.io.IOException, MediaException;
    public static native void playTone(int note, int duration, int volume) throws MediaException;
}
