package javax.microedition.midlet;

import orbhost.Phone;

/** The host's MIDlet: its state changes go to the one phone of the run. */
public abstract class MIDlet {
    protected MIDlet() {}

    protected abstract void startApp() throws MIDletStateChangeException;

    protected abstract void pauseApp();

    protected abstract void destroyApp(boolean unconditional) throws MIDletStateChangeException;

    public final void notifyDestroyed() {
        Phone.current().destroyed();
    }

    public final String getAppProperty(String key) {
        return Phone.current().property(key);
    }
}
