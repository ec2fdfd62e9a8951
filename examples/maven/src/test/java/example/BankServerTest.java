package example;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import org.junit.jupiter.api.AfterAll;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;
import org.omg.CORBA.ORB;

import Bank.Account;
import Bank.Branch;
import Bank.BranchHelper;
import Bank.InsufficientFunds;
import Bank.NoSuchAccount;
import Cash.Currency;
import Cash.Money;
import Cash.MoneyHolder;

/** Starts the bank server on loopback and calls it over IIOP from a second ORB. */
class BankServerTest {
    private static ORB server;
    private static ORB client;

    @BeforeAll
    static void start() {
        server = ORB.init(new String[] {"-ORBHost", "127.0.0.1", "-ORBPort", "0"}, null);
        Thread runner = new Thread(server::run, "bank server");
        runner.setDaemon(true);
        runner.start();
        client = ORB.init(new String[] {"-ORBHost", "127.0.0.1"}, null);
    }

    @AfterAll
    static void stop() {
        if (client != null) client.shutdown(true);
        if (server != null) server.shutdown(true);
    }

    /** A new branch on the server, as the client sees it through its reference. */
    private static Branch branch() {
        String reference = BankServer.serve(server);
        assertTrue(reference.startsWith("IOR:"), reference);
        return BranchHelper.narrow(client.string_to_object(reference));
    }

    @Test
    void accountsAndTransfers() throws Exception {
        Branch branch = branch();
        Account ada = branch.open("Ada", Currency.EUR);
        Account bob = branch.open("Bob", Currency.EUR);
        assertEquals("Ada", ada.owner());
        assertEquals(bob.number(), branch.find(bob.number()).number());

        ada.deposit(new Money(10_000, Currency.EUR));
        MoneyHolder remaining = new MoneyHolder();
        branch.transfer(ada.number(), bob.number(), new Money(2_500, Currency.EUR), remaining);
        assertEquals(7_500, remaining.value.cents);
        assertEquals(Currency.EUR, remaining.value.currency);
        assertEquals(2_500, bob.balance().cents);

        bob.frozen(true);
        assertTrue(bob.frozen());
        branch.audit("checked");
        assertArrayEquals(new String[] {"Ada", "Bob"},
                          java.util.Arrays.stream(branch.accounts()).map(Account::owner).toArray());
    }

    @Test
    void failuresReachTheClient() throws Exception {
        Branch branch = branch();
        Account poor = branch.open("Carol", Currency.GBP);
        poor.deposit(new Money(100, Currency.GBP));
        InsufficientFunds refused = assertThrows(InsufficientFunds.class,
                                                 () -> poor.withdraw(new Money(500, Currency.GBP)));
        assertEquals(100, refused.balance.cents);
        assertEquals(500, refused.requested.cents);
        NoSuchAccount missing = assertThrows(NoSuchAccount.class, () -> branch.find(4_000));
        assertEquals(4_000, missing.number);
        assertThrows(NoSuchAccount.class,
                     () -> branch.transfer(poor.number(), 4_000, new Money(1, Currency.GBP), new MoneyHolder()));
        assertEquals(100, poor.balance().cents);
    }
}
