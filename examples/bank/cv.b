 1  1	CV	what word completes this: "a servant of ___ Christ"?	Jesus
 1  2	CV	what word completes this: "which he promised before through his ___ in the holy Scriptures"?	Prophets
 1  3	CV	what follows "concerning his Son"?	Who was born of the offspring of David according to the flesh
 1  4	CV	what follows "who was declared to be the Son of God with power according to the Spirit of holiness, by the resurrection from the dead"?	Jesus Christ our Lord
 1  4	CV	what word completes this: "Jesus ___ our Lord"?	Christ
 1  7	CV	give the missing word: "Grace to you and ___ from God our Father and"	Peace
 1  8	CV	what follows "First, I thank my God through Jesus Christ for all of you"?	That your faith is proclaimed throughout the whole world
 1 10	CV	how does Paul finish this: "by any means now at last I may be prospered ..."?	By the will of God to come to you
 1 11	CV	what follows "For I long to see you, that I may impart to you some spiritual gift"?	To the end that you may be established
 1 12	CV	how does Paul finish this: "each of us ..."?	By the other's faith
 1 12	CV	what follows "that is, that I with you may be encouraged in you, each of us by the other's faith"?	Both yours and mine
 1 14	CV	what follows "I am debtor both to Greeks and to foreigners"?	Both to the wise and to the foolish
 1 14	CV	give the missing word: "I am debtor both to ___ and to foreigners"	Greeks
 1 15	CV	what follows "So as much as is in me"?	I am eager to preach the Good News to you also who are in Rome
 1 16	CV	why does Paul say, "for I am not ashamed of the Good News of Christ"?	Because it is the power of God for salvation for everyone who believes, for the Jew first, and
 1 18	CV	what word completes this: "For the wrath of God is ___ from heaven against all ungodliness"?	Revealed
 1 22	CV	what follows "Professing themselves to be wise"?	They became fools
 1 26	CV	who gave them up to vile passions?	God
 1 27	CV	give the missing word: "the natural function of the woman, ___ in their lust toward one"	Burned
 1 29	CV	what word completes this: "strife, ___, evil habits, secret"?	Deceit
 1 29	CV	what follows "being filled with all unrighteousness, sexual immorality, wickedness, covetousness"?	Malice; full of envy, murder, strife, deceit, evil habits, secret slanderers
 1 30	CV	give the missing word: "boastful, ___ of evil things"	Inventors
 1 31	CV	give the missing word: "without natural ___, unforgiving, unmerciful"	Affection
 1 32	CV	what follows "who, knowing the ordinance of God, that those who practice such things are worthy of death"?	Not only do the same, but also approve of those who practice them
 2  3	CV	what word completes this: "that you will escape the ___ of God"?	Judgment
 2  4	CV	give the missing word: "not knowing that the goodness of God ___ you to repentance"	Leads
 2  7	CV	how does Paul finish this: "to those who ..."?	By perseverance in well-doing seek for glory
 2  9	CV	what word completes this: "to the Jew ___, and also to"?	First
 2 11	CV	what word completes this: "For there is no ___ with God"?	Partiality
 2 14	CV	what follows "for when Gentiles who don't have the law do by nature the things of the law, these"?	Not having the law, are a law to themselves
 2 15	CV	what follows "in that they show the work of the law written in their hearts"?	Their conscience testifying with them, and their thoughts among themselves accusing or else excusing them
 2 15	CV	give the missing word: "work of the law written in their ___, their conscience testifying"	Hearts
 2 16	CV	who will judge the secrets of men?	God
 2 16	CV	what follows "in the day when God will judge the secrets of men"?	According to my Good News, by Jesus Christ
 2 17	CV	what word completes this: "rest on the law, ___ in God"?	Glory
 2 17	CV	what follows "Indeed you bear the name of a Jew"?	Rest on the law, glory in God
 2 19	CV	what follows "and are confident that you yourself are a guide of the blind"?	A light to those who are in darkness
 2 20	CV	what follows "a corrector of the foolish"?	A teacher of babies, having in the law the form of knowledge and of the truth
 2 21	CV	give the missing word: "You therefore who ___ another"	Teach
 2 22	CV	give the missing word: "You who say a man ___ commit adultery"	Shouldn't
 2 22	CV	what follows "You who say a man shouldn't commit adultery"?	Do you commit adultery? You who abhor idols, do you rob temples
 2 24	CV	why does Paul say, "for the name of God is blasphemed among the Gentiles"?	Because of you, just as it is written
 2 27	CV	what follows "Won't those who are physically uncircumcised, but fulfill the law, judge you"?	Who with the letter and circumcision are a transgressor of the law
 3  6	CV	what follows "May it never be"?	For then how will God judge the world
 3  7	CV	how does Paul finish this: "For if the truth of God ..."?	Through my lie abounded to his glory
 3  8	CV	what follows "Why not as we are slanderously reported, and as some affirm that we say"?	Let's do evil, that good may come? Those who say so are justly condemned
 3  8	CV	give the missing word: "Why not as we are ___ reported"	Slanderously
 3 11	CV	give the missing word: "There is no one who ___. There is no"	Understands
 3 12	CV	give the missing word: "They have together become ___. There is no"	Unprofitable
 3 15	CV	what are their feet?	Swift to shed blood
 3 17	CV	what follows "The way of peace"?	They haven't known
 3 20	CV	what follows "Because by the works of the law, no flesh will be justified in his sight"?	For through the law comes the knowledge of sin
 3 24	CV	how does Paul finish this: "being justified freely ..."?	By his grace through the redemption that is in Christ
 3 26	CV	what follows "to demonstrate his righteousness at this present time"?	That he might himself be just and the justifier of him who has faith in Jesus
 3 27	CV	give the missing word: "Where then is the ___? It is excluded"	Boasting
 3 28	CV	how does Paul finish this: "We maintain therefore that a man is justified ..."?	By faith apart from the works of the law
 3 30	CV	what word completes this: "God who will justify the circumcised by ___ and the uncircumcised through faith"?	Faith
 3 31	CV	what follows "Do we then nullify the law through faith? May it never be! No"?	We establish the law
 3 31	CV	give the missing word: "Do we then nullify the law through ___? May it never"	Faith
 4  1	CV	what follows "What then will we say that Abraham"?	Our forefather, has found according to the flesh
 4  2	CV	what word completes this: "For if Abraham was justified by ___, he has something"?	Works
 4  4	CV	give the missing word: "Now to him who ___, the reward is"	Works
 4  5	CV	give the missing word: "but ___ in him who justifies the"	Believes
 4  8	CV	who will by no means charge with sin?	The Lord
 4  8	CV	give the missing word: "man whom the Lord will by no ___ charge with sin"	Means
 4 11	CV	give the missing word: "a seal of the ___ of the faith which he"	Righteousness
 4 12	CV	what follows "He is the father of circumcision to those who not only are of the circumcision, but who also walk in the steps of that faith of our father Abraham"?	Which he had in uncircumcision
 4 13	CV	what follows "For the promise to Abraham and to his offspring that he would be heir of the world wasn't through the law"?	But through the righteousness of faith
 4 15	CV	what follows "For the law produces wrath; for where there is no law"?	Neither is there disobedience
 4 15	CV	why does Paul say, "for the law produces wrath"?	For where there is no law, neither is there disobedience
 4 17	CV	give the missing word: "This is in the ___ of him whom he believed"	Presence
 4 21	CV	what follows "and being fully assured that what he had promised"?	He was also able to perform
 4 24	CV	what follows "but for our sake also"?	To whom it will be accounted, who believe in him who raised Jesus our Lord from the dead
 4 24	CV	what word completes this: "who believe in him who ___ Jesus our Lord from the"?	Raised
 4 25	CV	give the missing word: "who was ___ up for our trespasses"	Delivered
 5  1	CV	what word completes this: "Being therefore ___ by faith"?	Justified
 5  2	CV	what word completes this: "have our access by faith into this ___ in which we stand"?	Grace
 5  2	CV	what follows "through whom we also have our access by faith into this grace in which we stand"?	We rejoice in hope of the glory of God
 5  3	CV	what follows "Not only this, but we also rejoice in our sufferings"?	Knowing that suffering produces perseverance
 5  4	CV	what word completes this: "and perseverance, ___ character"?	Proven
 5  6	CV	what word completes this: "at the ___ time Christ died for the"?	Right
 5  6	CV	who died for the ungodly?	Christ
 5 10	CV	what follows "For if while we were enemies, we were reconciled to God through the death of his Son, much more"?	Being reconciled, we will be saved by his life
 5 11	CV	what word completes this: "through whom we have now ___ the reconciliation"?	Received
 5 13	CV	what word completes this: "sin was in the ___; but sin is"?	World
 5 14	CV	what follows "Nevertheless death reigned from Adam until Moses, even over those whose sins weren't like Adam's disobedience"?	Who is a foreshadowing of him who was to come
 5 15	CV	what follows "But the free gift isn't like the trespass. For if by the trespass of the one the many died, much more did the grace of God and the gift by the grace of the one man"?	Jesus Christ, abound to the many
 5 18	CV	what follows "So then as through one trespass"?	All men were condemned; even so through one act of righteousness, all men were justified to life
 6  1	CV	what follows "What shall we say then"?	Shall we continue in sin, that grace may abound
 6  2	CV	what follows "May it never be"?	We who died to sin, how could we live in it any longer
 6  2	CV	what follows "May it never be! We who died to sin"?	How could we live in it any longer
 6  4	CV	what follows "We were buried therefore with him through baptism into death"?	That just as Christ was raised from the dead through the glory of the Father, so we also might walk in newness of life
 6  4	CV	who was raised from the dead through the glory of the Father?	Christ
 6  5	CV	give the missing word: "with him in the likeness of his ___, we will also"	Death
 6  7	CV	what word completes this: "For he who has died has been ___ from sin"?	Freed
 6  7	CV	give the missing word: "For he who has died has been ___ from sin"	Freed
 6 10	CV	what follows "For the death that he died"?	He died to sin one time; but the life that he lives, he lives to God
 6 14	CV	what follows "For sin will not have dominion over you"?	For you are not under law, but under grace
 6 19	CV	give the missing word: "I speak in human ___ because of the weakness of"	Terms
 6 20	CV	what follows "For when you were servants of sin"?	You were free from righteousness
 6 21	CV	what follows "What fruit then did you have at that time in the things of which you are now ashamed"?	For the end of those things is death
 6 22	CV	what follows "But now, being made free from sin and having become servants of God"?	You have your fruit of sanctification and the result of eternal life
 6 23	CV	what is the wages of sin?	Death
 6 23	CV	what follows "For the wages of sin is death"?	But the free gift of God is eternal life in Christ Jesus our Lord
 7  2	CV	give the missing word: "For the ___ that has a husband is"	Woman
 7  3	CV	what word completes this: "she would be ___ an adulteress"?	Called
 7  4	CV	how does Paul finish this: "you also were made dead to the law ..."?	Through the body of Christ
 7  5	CV	what follows "For when we were in the flesh"?	The sinful passions which were through the law worked in our members to bring out fruit to death
 7  6	CV	give the missing word: "so that we ___ in newness of the spirit"	Serve
 7  7	CV	what follows "What shall we say then? Is the law sin? May it never be"?	However, I wouldn't have known sin except through the law. For I wouldn't have known coveting unless the law had said, You shall not covet
 7  7	CV	give the missing word: "For I ___ have known coveting unless the"	Wouldn't
 7  8	CV	what follows "But sin, finding occasion through the commandment, produced in me all kinds of coveting. For apart from the law"?	Sin is dead
 7  9	CV	what follows "I was alive apart from the law once"?	But when the commandment came, sin revived and I died
 7 14	CV	what follows "For we know that the law is spiritual, but I am fleshly"?	Sold under sin
 7 15	CV	what follows "For I don't understand what I am doing. For I don't practice what I desire to do; but what I hate"?	That I do
 7 17	CV	what follows "So now it is no more I that do it"?	But sin which dwells in me
 7 18	CV	give the missing word: "dwells no good ___. For desire is"	Thing
 7 19	CV	what word completes this: "For the good which I ___, I don't do"?	Desire
 7 20	CV	what follows "But if what I don't desire"?	That I do, it is no more I that do it, but sin which dwells in me
 7 22	CV	what word completes this: "For I ___ in God's law after the"?	Delight
 7 22	CV	give the missing word: "For I ___ in God's law after the"	Delight
 7 23	CV	what follows "but I see a different law in my members, warring against the law of my mind"?	And bringing me into captivity under the law of sin which is in my members
 7 24	CV	what follows "What a wretched man I am"?	Who will deliver me out of the body of this death
 7 24	CV	what word completes this: "Who will ___ me out of the body"?	Deliver
 7 25	CV	what word completes this: "I myself ___ God's law"?	Serve
 7 25	CV	how does Paul finish this: "I thank God ..."?	Through Jesus Christ
 8  1	CV	what follows "There is therefore now no condemnation to those who are in Christ Jesus, who don't walk according to the flesh"?	But according to the Spirit
 8  6	CV	what follows "For the mind of the flesh is death"?	But the mind of the Spirit is life and peace
 8 10	CV	what follows "If Christ is in you"?	The body is dead because of sin, but the spirit is alive because of righteousness
 8 10	CV	what word completes this: "but the ___ is alive because of righteousness"?	Spirit
 8 11	CV	what follows "But if the Spirit of him who raised up Jesus from the dead dwells in you"?	He who raised up Christ Jesus from the dead will also give life to your mortal bodies through his Spirit who dwells in you
 8 14	CV	what follows "For as many as are led by the Spirit of God"?	These are children of God
 8 15	CV	what word completes this: "but you received the Spirit of ___, by whom we"?	Adoption
 8 16	CV	give the missing word: "testifies with our spirit that we are ___ of God"	Children
 8 17	CV	what word completes this: "heirs--heirs of God and joint heirs with ___, if indeed we"?	Christ
 8 18	CV	what word completes this: "For I ___ that the sufferings of this"?	Consider
 8 18	CV	what word completes this: "I consider that the sufferings of this ___ time are not worthy to"?	Present
 8 20	CV	what follows "For the creation was subjected to vanity"?	Not of its own will, but because of him who subjected it, in hope
 8 20	CV	why does Paul say, "not of its own will, but"?	Because of him who subjected it, in hope
 8 21	CV	what word completes this: "that the ___ itself also will be delivered"?	Creation
 8 23	CV	what follows "Not only so, but ourselves also, who have the first fruits of the Spirit, even we ourselves groan within ourselves"?	Waiting for adoption, the redemption of our body
 8 25	CV	what follows "But if we hope for that which we don't see"?	We wait for it with patience
 8 26	CV	who also helps our weaknesses?	The Spirit
 8 28	CV	give the missing word: "We know that all things work ___ for good for those who"	Together
 8 30	CV	give the missing word: "Whom he ___, those he also"	Predestined
 8 32	CV	what follows "He who didn't spare his own Son"?	But delivered him up for us all, how would he not also with him freely give us all things
 8 34	CV	what follows "Who is he who condemns? It is Christ who died, yes rather, who was raised from the dead, who is at the right hand of God"?	Who also makes intercession for us
 8 34	CV	what word completes this: "who also makes ___ for us"?	Intercession
 8 35	CV	what follows "Who shall separate us from the love of Christ"?	Could oppression, or anguish, or persecution, or famine, or nakedness, or peril, or sword
 8 37	CV	how does Paul finish this: "No, in all these things we are more than conquerors ..."?	Through him who loved us
 9  1	CV	give the missing word: "my conscience ___ with me in the Holy"	Testifying
 9  2	CV	what word completes this: "that I have great sorrow and ___ pain in my heart"?	Unceasing
 9  3	CV	give the missing word: "I could wish that I myself were ___ from Christ for my brothers"	Accursed
 9  5	CV	give the missing word: "and from whom is ___ as concerning the flesh"	Christ
 9  6	CV	what word completes this: "For they are not all ___ that are of Israel"?	Israel
 9 10	CV	how does Paul finish this: "Not only so, but Rebekah also conceived ..."?	By one
 9 11	CV	what follows "For being not yet born, neither having done anything good or bad"?	That the purpose of God according to election might stand, not of works, but of him who calls
 9 11	CV	what word completes this: "neither ___ done anything good or bad"?	Having
 9 12	CV	what word completes this: "The elder will ___ the younger"?	Serve
 9 15	CV	give the missing word: "and I will have ___ on whom I have compassion"	Compassion
 9 18	CV	what word completes this: "he has mercy on whom he ___, and he hardens"?	Desires
 9 18	CV	what follows "So then, he has mercy on whom he desires"?	And he hardens whom he desires
 9 19	CV	what word completes this: "Why does he still find ___? For who withstands"?	Fault
 9 20	CV	give the missing word: "Will the thing ___ ask him who formed it"	Formed
 9 21	CV	give the missing word: "and ___ for dishonor"	Another
 9 22	CV	what follows "What if God"?	Willing to show his wrath and to make his power known, endured with much patience vessels of wrath prepared for destruction
 9 22	CV	what word completes this: "endured with much patience vessels of wrath ___ for destruction"?	Prepared
 9 25	CV	what follows "As he says also in Hosea"?	I will call them 'my people,' which were not my people; and her 'beloved,' who was not beloved
 9 25	CV	what word completes this: "them 'my people,' which were not my ___; and her 'beloved"?	People
 9 26	CV	what follows "It will be that in the place where it was said to them"?	You are not my people,' there they will be called 'children of the living God
 9 30	CV	give the missing word: "That the ___, who didn't follow"	Gentiles
 9 30	CV	what follows "What shall we say then? That the Gentiles, who didn't follow after righteousness"?	Attained to righteousness, even the righteousness which is of faith
 9 31	CV	what word completes this: "following after a law of ___, didn't arrive at"?	Righteousness
 9 31	CV	what follows "but Israel, following after a law of righteousness"?	Didn't arrive at the law of righteousness
 9 33	CV	what follows "even as it is written, Behold"?	I lay in Zion a stumbling stone and a rock of offense; and no one who believes in him will be disappointed
10  1	CV	what follows "Brothers, my heart's desire and my prayer to God is for Israel"?	That they may be saved
10  3	CV	what word completes this: "For being ignorant of ___ righteousness"?	God's
10  3	CV	what follows "For being ignorant of God's righteousness"?	And seeking to establish their own righteousness, they didn't subject themselves to the righteousness of God
10  4	CV	what word completes this: "is the fulfillment of the law for ___ to everyone who believes"?	Righteousness
10  5	CV	what follows "For Moses writes about the righteousness of the law"?	The one who does them will live by them
10  8	CV	what is the word?	Near you
10 10	CV	what follows "For with the heart one believes resulting in righteousness"?	And with the mouth confession is made resulting in salvation
10 11	CV	give the missing word: "Whoever ___ in him will not be"	Believes
10 12	CV	what is the same Lord?	Lord of all
10 12	CV	what follows "For there is no distinction between Jew and Greek"?	For the same Lord is Lord of all, and is rich to all who call on him
10 14	CV	what word completes this: "believe in him whom they have not ___? How will they"?	Heard
10 18	CV	give the missing word: "Their sound went out into all the ___, their words to"	Earth
10 18	CV	what follows "But I say, didn't they hear? Yes, most certainly"?	Their sound went out into all the earth, their words to the ends of the world
10 21	CV	what follows "But about Israel he says"?	All day long I stretched out my hands to a disobedient and contrary people
11  1	CV	give the missing word: "did God reject his ___? May it never"	People
11  2	CV	who didn't reject his people?	God
11  2	CV	what word completes this: "God didn't ___ his people"?	Reject
11  5	CV	what word completes this: "Even so too at this ___ time also there is a"?	Present
11  5	CV	what word completes this: "this present time also there is a ___ according to the election of"?	Remnant
11  6	CV	give the missing word: "otherwise grace is no ___ grace"	Longer
11  7	CV	give the missing word: "That which ___ seeks for"	Israel
11  7	CV	what follows "What then? That which Israel seeks for"?	That he didn't obtain, but the chosen ones obtained it, and the rest were hardened
11  8	CV	what follows "According as it is written, God gave them a spirit of stupor"?	Eyes that they should not see, and ears that they should not hear, to this very day
11  8	CV	give the missing word: "According as it is ___, God gave them"	Written
11  9	CV	give the missing word: "a ___ block"	Stumbling
11 10	CV	what follows "Let their eyes be darkened"?	That they may not see. Always keep their backs bent
11 12	CV	what follows "Now if their fall is the riches of the world, and their loss the riches of the Gentiles"?	How much more their fullness
11 13	CV	what word completes this: "For I speak to you who are ___. Since then as"?	Gentiles
11 14	CV	give the missing word: "if by any means I may ___ to jealousy those who are"	Provoke
11 16	CV	what word completes this: "If the ___ fruit is holy"?	First
11 18	CV	give the missing word: "But if you boast, ___ that it is not you"	Remember
11 20	CV	what word completes this: "by their unbelief they were ___ off"?	Broken
11 23	CV	why does Paul say, "if they don't continue in their unbelief, will be grafted in"?	For God is able to graft them in again
11 24	CV	give the missing word: "which are the natural ___, be grafted into"	Branches
11 26	CV	what word completes this: "and so all Israel will be ___. Even as it"?	Saved
11 27	CV	what follows "This is my covenant with them"?	When I will take away their sins
11 29	CV	what are the gifts and the calling of God?	Irrevocable
11 30	CV	what follows "For as you in time past were disobedient to God"?	But now have obtained mercy by their disobedience
11 31	CV	what follows "even so these also have now been disobedient"?	That by the mercy shown to you they may also obtain mercy
11 32	CV	who has bound all to disobedience?	God
11 33	CV	what follows "Oh the depth of the riches both of the wisdom and the knowledge of God"?	How unsearchable are his judgments, and his ways past tracing out
12  2	CV	give the missing word: "but be ___ by the renewing of your"	Transformed
12  2	CV	how does Paul finish this: "Don't be conformed to this world, but be transformed ..."?	By the renewing of your mind
12  3	CV	give the missing word: "For I say through the ___ that was given me"	Grace
12  4	CV	what follows "For even as we have many members in one body"?	And all the members don't have the same function
12  9	CV	what follows "Let love be without hypocrisy. Abhor that which is evil"?	Cling to that which is good
12 14	CV	what follows "Bless those who persecute you"?	Bless, and don't curse
12 15	CV	what follows "Rejoice with those who rejoice"?	Weep with those who weep
12 19	CV	what follows "Don't seek revenge yourselves, beloved, but give place to God's wrath. For it is written, Vengeance belongs to me"?	I will repay, says the Lord
12 20	CV	what word completes this: "give him a ___; for in doing"?	Drink
13  2	CV	what follows "Therefore he who resists the authority withstands the ordinance of God"?	And those who withstand will receive to themselves judgment
13  6	CV	what follows "For this reason you also pay taxes"?	For they are servants of God's service, continually doing this very thing
13  7	CV	what word completes this: "if you owe ___, pay taxes; if"?	Taxes
13  7	CV	what follows "Therefore give everyone what you owe: if you owe taxes, pay taxes"?	If customs, then customs; if respect, then respect; if honor, then honor
13  8	CV	what follows "Owe no one anything"?	Except to love one another; for he who loves his neighbor has fulfilled the law
13  9	CV	give the missing word: "You shall love your ___ as yourself"	Neighbor
13 11	CV	what follows "Do this, knowing the time, that it is already time for you to awaken out of sleep"?	For salvation is now nearer to us than when we first believed
13 11	CV	give the missing word: "time for you to awaken out of ___, for salvation is"	Sleep
13 13	CV	what follows "Let's walk properly"?	As in the day; not in reveling and drunkenness, not in sexual promiscuity and lustful acts, and not in strife and jealousy
13 14	CV	what follows "But put on the Lord Jesus Christ"?	And make no provision for the flesh, for its lusts
14  2	CV	what follows "One man has faith to eat all things"?	But he who is weak eats only vegetables
14  3	CV	what follows "Don't let him who eats despise him who doesn't eat. Don't let him who doesn't eat judge him who eats"?	For God has accepted him
14  4	CV	why does Paul say, "yes, he will be made to stand"?	For God has power to make him stand
14  4	CV	what follows "Who are you who judge another's servant? To his own lord he stands or falls. Yes, he will be made to stand"?	For God has power to make him stand
14  7	CV	give the missing word: "For none of us ___ to himself"	Lives
14  9	CV	give the missing word: "and ___ again"	Lived
14  9	CV	what follows "For to this end Christ died"?	Rose, and lived again, that he might be Lord of both the dead and the living
14 11	CV	what follows "For it is written"?	As I live,' says the Lord, 'to me every knee will bow. Every tongue will confess to God
14 12	CV	give the missing word: "then each one of us will give ___ of himself to God"	Account
14 12	CV	what word completes this: "then each one of us will give ___ of himself to God"?	Account
14 13	CV	give the missing word: "Therefore let's not judge one ___ any more"	Another
14 15	CV	what word completes this: "if because of food your brother is ___, you walk no"?	Grieved
14 15	CV	what follows "Yet if because of food your brother is grieved, you walk no longer in love"?	Don't destroy with your food him for whom Christ died
14 17	CV	give the missing word: "but ___, peace, and joy"	Righteousness
14 17	CV	what follows "for God's Kingdom is not eating and drinking, but righteousness, peace"?	And joy in the Holy Spirit
14 19	CV	give the missing word: "let's ___ after things which make for"	Follow
14 20	CV	what word completes this: "it is evil for that man who ___ a stumbling block by eating"?	Creates
14 20	CV	what follows "Don't overthrow God's work for food's sake. All things indeed are clean"?	However it is evil for that man who creates a stumbling block by eating
14 23	CV	how does Paul finish this: "the revelation of the mystery which has been kept secret ..."?	Through long ages
15  1	CV	what follows "Now we who are strong ought to bear the weaknesses of the weak"?	And not to please ourselves
15  2	CV	what follows "Let each one of us please his neighbor for that which is good"?	To be building him up
15  5	CV	give the missing word: "Now the God of ___ and of encouragement grant you"	Perseverance
15  7	CV	what word completes this: "Therefore accept one ___, even as Christ"?	Another
15  9	CV	what follows "and that the Gentiles might glorify God for his mercy. As it is written"?	Therefore I will give praise to you among the Gentiles and sing to your name
15 11	CV	give the missing word: "all you ___! Let all the"	Gentiles
15 11	CV	what follows "Again, Praise the Lord, all you Gentiles"?	Let all the peoples praise him
15 12	CV	what follows "Again, Isaiah says, There will be the root of Jesse, he who arises to rule over the Gentiles"?	In him the Gentiles will hope
15 16	CV	what word completes this: "up of the Gentiles might be made ___, sanctified by the"?	Acceptable
15 21	CV	what follows "But, as it is written"?	They will see, to whom no news of him came. They who haven't heard will understand
15 21	CV	give the missing word: "They who haven't ___ will understand"	Heard
15 22	CV	give the missing word: "I was hindered these many times from ___ to you"	Coming
15 23	CV	what follows "but now, no longer having any place in these regions"?	And having these many years a longing to come to you
15 27	CV	give the missing word: "For if the ___ have been made partakers of"	Gentiles
15 30	CV	how does Paul finish this: "Now I beg you, brothers ..."?	By our Lord Jesus Christ and by the love of
15 30	CV	give the missing word: "you strive together with me in your ___ to God for me"	Prayers
15 31	CV	what word completes this: "may be delivered from those who are ___ in Judea"?	Disobedient
15 31	CV	what follows "that I may be delivered from those who are disobedient in Judea"?	And that my service which I have for Jerusalem may be acceptable to the saints
15 33	CV	what word completes this: "Now the God of ___ be with you all"?	Peace
15 33	CV	give the missing word: "Now the God of ___ be with you all"	Peace
16  3	CV	what word completes this: "my ___ workers in Christ Jesus"?	Fellow
16  4	CV	what word completes this: "to whom not only I give ___, but also all"?	Thanks
16  5	CV	what word completes this: "who is the first fruits of ___ to Christ"?	Achaia
16  7	CV	what follows "Greet Andronicus and Junia, my relatives and my fellow prisoners"?	Who are notable among the apostles, who were also in Christ before me
16  8	CV	give the missing word: "my ___ in the Lord"	Beloved
16 12	CV	what word completes this: "Greet Tryphaena and ___, who labor in"?	Tryphosa
16 14	CV	what word completes this: "Patrobas, ___, and the brothers"?	Hermas
16 15	CV	what word completes this: "Nereus and his ___, and Olympas, and"?	Sister
16 16	CV	give the missing word: "The assemblies of ___ greet you"	Christ
16 18	CV	what follows "For those who are such don't serve our Lord Jesus Christ"?	But their own belly; and by their smooth and flattering speech they deceive the hearts of the innocent
16 18	CV	what word completes this: "and by their ___ and flattering speech they deceive"?	Smooth
16 19	CV	what follows "For your obedience has become known to all"?	I rejoice therefore over you. But I desire to have you wise in that which is good, but innocent in that which is evil
16 20	CV	what word completes this: "God of peace will quickly crush Satan ___ your feet"?	Under
16 21	CV	give the missing word: "and ___, my relatives"	Sosipater
16 22	CV	what follows "I, Tertius, who write the letter"?	Greet you in the Lord
16 23	CV	give the missing word: "my host and host of the whole ___, greets you. Erastus"	Assembly
16 24	CV	give the missing word: "The grace of our Lord Jesus ___ be with you all"	Christ
17  1	CV	give the missing word: "of God and of the Lord Jesus ___, to the twelve"	Christ
17  1	CV	what follows "James, a servant of God and of the Lord Jesus Christ"?	To the twelve tribes which are in the Dispersion: Greetings
17  4	CV	what follows "Let endurance have its perfect work"?	That you may be perfect and complete, lacking in nothing
17  7	CV	what word completes this: "For that man shouldn't ___ that he will receive anything"?	Think
17  7	CV	what word completes this: "that man shouldn't think that he will ___ anything from the Lord"?	Receive
17  8	CV	what word completes this: "He is a double-minded man, ___ in all his ways"?	Unstable
17  9	CV	give the missing word: "Let the ___ in humble circumstances glory in"	Brother
17 10	CV	why does James say, "and the rich, in that he is made humble"?	Because like the flower in the grass, he will pass away
17 13	CV	how does James finish this: "I am tempted ..."?	By God
17 14	CV	give the missing word: "But each one is ___ when he is drawn away"	Tempted
17 16	CV	what follows "Don't be deceived"?	My beloved brothers
17 17	CV	give the missing word: "coming down from the ___ of lights"	Father
17 18	CV	what word completes this: "birth to us by the word of ___, that we should"?	Truth
17 19	CV	what word completes this: "my ___ brothers"?	Beloved
17 20	CV	give the missing word: "for the ___ of man doesn't produce the"	Anger
17 22	CV	what word completes this: "and not only hearers, ___ your own selves"?	Deluding
17 25	CV	what word completes this: "not being a hearer who ___ but a doer of the"?	Forgets
17 26	CV	what word completes this: "this man's ___ is worthless"?	Religion
17 26	CV	what follows "If anyone among you thinks himself to be religious while he doesn't bridle his tongue"?	But deceives his heart, this man's religion is worthless
17 27	CV	what follows "Pure religion and undefiled before our God and Father is this"?	To visit the fatherless and widows in their affliction, and to keep oneself unstained by the world
18  2	CV	what follows "For if a man with a gold ring, in fine clothing"?	Comes into your synagogue, and a poor man in filthy clothing also comes in
18  7	CV	give the missing word: "Don't they ___ the honorable name by which"	Blaspheme
18  9	CV	what word completes this: "But if you show ___, you commit sin"?	Partiality
18  9	CV	what follows "But if you show partiality, you commit sin"?	Being convicted by the law as transgressors
18 12	CV	how does James finish this: "and so do as men who are to be judged ..."?	By the law of freedom
18 12	CV	give the missing word: "do as men who are to be ___ by the law of freedom"	Judged
18 13	CV	give the missing word: "him who has shown no mercy. ___ triumphs over judgment"	Mercy
18 16	CV	what word completes this: "and one of you ___ them"?	Tells
18 17	CV	give the missing word: "if it has no ___, is dead in"	Works
18 18	CV	give the missing word: "and I will show you my ___ by my works"	Faith
18 19	CV	what word completes this: "The ___ also believe--and shudder"?	Demons
18 20	CV	what follows "But do you want to know"?	Vain man, that faith apart from works is dead
18 20	CV	give the missing word: "that ___ apart from works is dead"	Faith
18 22	CV	how does James finish this: "You see that faith worked with his works, and ..."?	By works faith was perfected
18 23	CV	who was fulfilled which says?	The Scripture
18 25	CV	what follows "In the same way"?	Wasn't Rahab the prostitute also justified by works when she received the messengers and sent them out another way
18 26	CV	what follows "For as the body apart from the spirit is dead"?	Even so faith apart from works is dead
19  1	CV	give the missing word: "Let not many of you be ___, my brothers, knowing"	Teachers
19  2	CV	what follows "For we all stumble in many things"?	Anyone who doesn't stumble in word is a perfect person, able to bridle the whole body also
19  6	CV	what word completes this: "of iniquity among our members is the ___, which defiles the"?	Tongue
19  8	CV	what word completes this: "It is a ___ evil"?	Restless
19  8	CV	what follows "but nobody can tame the tongue. It is a restless evil"?	Full of deadly poison
19 13	CV	how does James finish this: "Let him show ..."?	By his good conduct that his deeds are done in
19 14	CV	what word completes this: "But if you have bitter ___ and selfish ambition in your"?	Jealousy
19 15	CV	what follows "This wisdom is not that which comes down from above"?	But is earthly, sensual, and demonic
20  2	CV	give the missing word: "and can't ___. You fight and"	Obtain
20  3	CV	what word completes this: "so that you may ___ it on your pleasures"?	Spend
20  3	CV	what follows "You ask, and don't receive"?	Because you ask with wrong motives, so that you may spend it on your pleasures
20  4	CV	what follows "You adulterers and adulteresses"?	Don't you know that friendship with the world is hostility toward God? Whoever therefore wants to be a friend of the world makes himself an enemy of God
20  4	CV	what word completes this: "You adulterers and ___, don't you know"?	Adulteresses
20  5	CV	what word completes this: "The Spirit who ___ in us yearns jealously"?	Lives
20  8	CV	give the missing word: "Cleanse your ___, you sinners. Purify"	Hands
20 11	CV	give the missing word: "Don't speak against one another, ___. He who speaks"	Brothers
20 11	CV	what follows "Don't speak against one another, brothers. He who speaks against a brother and judges his brother"?	Speaks against the law and judges the law. But if you judge the law, you are not a doer of the law but a judge
20 13	CV	what follows "Come now, you who say, Today or tomorrow let's go into this city and spend a year there"?	Trade, and make a profit
20 16	CV	what follows "But now you glory in your boasting"?	All such boasting is evil
20 17	CV	what follows "To him therefore who knows to do good and doesn't do it"?	To him it is sin
21  1	CV	what word completes this: "weep and howl for your ___ that are coming on you"?	Miseries
21  2	CV	what word completes this: "Your riches are corrupted and your ___ are moth-eaten"?	Garments
21  2	CV	give the missing word: "Your riches are corrupted and your ___ are moth-eaten"	Garments
21  3	CV	give the missing word: "and their ___ will be for a testimony"	Corrosion
21  7	CV	what word completes this: "being patient over it, ___ it receives the early and"?	Until
21  7	CV	what follows "Be patient therefore"?	Brothers, until the coming of the Lord. Behold, the farmer waits for the precious fruit of the earth, being patient over it, until it receives the early and late rain
21  9	CV	what follows "Don't grumble, brothers, against one another"?	So that you won't be judged. Behold, the judge stands at the door
21 11	CV	who is full of compassion and mercy?	The Lord
21 12	CV	how does James finish this: "But above all things, my brothers, don't swear-- not ..."?	By heaven
21 12	CV	give the missing word: "my ___, don't swear-- not"	Brothers
21 13	CV	what word completes this: "Is any ___? Let him sing"?	Cheerful
21 14	CV	what follows "Is any among you sick? Let him call for the elders of the assembly, and let them pray over him"?	Anointing him with oil in the name of the Lord
21 17	CV	what word completes this: "didn't rain on the earth for three ___ and six months"?	Years
21 18	CV	what follows "He prayed again, and the sky gave rain"?	And the earth produced its fruit
21 20	CV	give the missing word: "his way will save a soul from ___ and will cover a multitude"	Death
21 20	CV	give the missing word: "save a soul from death and will ___ a multitude of sins"	Cover
