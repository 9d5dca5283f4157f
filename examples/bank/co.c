 1  1	CO	what follows "Paul, a servant of Jesus Christ"?	Called to be an apostle, set apart for the Good News of God
 1  4	CO	what follows "who was declared to be the Son of God with power according to the Spirit of holiness, by the resurrection from the dead"?	Jesus Christ our Lord
 1  5	CO	give the missing word: "for obedience of faith among all the ___ for his name's sake"	Nations
 1 11	CO	what word completes this: "that I may impart to you some ___ gift"?	Spiritual
 1 12	CO	how does Paul finish this: "each of us ..."?	By the other's faith
 1 20	CO	what word completes this: "the invisible things of him since the ___ of the world are clearly"?	Creation
 1 24	CO	who also gave them up in the lusts of their hearts to uncleanness?	God
 1 25	CO	give the missing word: "and ___ and served the creature rather"	Worshiped
 1 26	CO	what follows "For this reason, God gave them up to vile passions"?	For their women changed the natural function into that which is against nature
 1 27	CO	give the missing word: "leaving the ___ function of the woman"	Natural
 1 29	CO	give the missing word: "sexual immorality, ___, covetousness, malice; full"	Wickedness
 1 31	CO	what word completes this: "without natural ___, unforgiving, unmerciful"?	Affection
 1 32	CO	what word completes this: "who practice such things are worthy of ___, not only do"?	Death
 2  5	CO	give the missing word: "your hardness and unrepentant heart you are ___ up for yourself wrath in"	Treasuring
 2  7	CO	what follows "to those who by perseverance in well-doing seek for glory"?	Honor, and incorruptibility, eternal life
 2  9	CO	give the missing word: "to the Jew ___, and also to"	First
 2 15	CO	what follows "in that they show the work of the law written in their hearts, their conscience testifying with them"?	And their thoughts among themselves accusing or else excusing them
 2 17	CO	what follows "Indeed you bear the name of a Jew"?	Rest on the law, glory in God
 2 22	CO	what word completes this: "You who abhor ___, do you rob"?	Idols
 2 23	CO	give the missing word: "do you dishonor God by ___ the law"	Disobeying
 2 27	CO	what follows "Won't those who are physically uncircumcised, but fulfill the law"?	Judge you, who with the letter and circumcision are a transgressor of the law
 3  2	CO	give the missing word: "they were ___ with the revelations of God"	Entrusted
 3  4	CO	what follows "May it never be! Yes, let God be found true, but every man a liar. As it is written, that you might be justified in your words"?	And might prevail when you come into judgment
 3  5	CO	what word completes this: "I ___ like men do"?	Speak
 3  6	CO	what follows "May it never be"?	For then how will God judge the world
 3  6	CO	give the missing word: "For then how will God ___ the world"	Judge
 3 12	CO	what word completes this: "They have together ___ unprofitable"?	Become
 3 12	CO	what follows "They have all turned away. They have together become unprofitable. There is no one who does good, no"?	Not so much as one
 3 14	CO	what word completes this: "Their mouth is full of ___ and bitterness"?	Cursing
 3 15	CO	give the missing word: "Their feet are ___ to shed blood"	Swift
 3 17	CO	what word completes this: "The way of ___, they haven't known"?	Peace
 3 19	CO	what word completes this: "and all the world may be ___ under the judgment of God"?	Brought
 3 20	CO	why does Paul say, "no flesh will be justified in his sight"?	For through the law comes the knowledge of sin
 3 22	CO	how does Paul finish this: "even the righteousness of God ..."?	Through faith in Jesus Christ to all and on all
 3 22	CO	what word completes this: "righteousness of God through faith in Jesus ___ to all and on all"?	Christ
 3 23	CO	what follows "for all have sinned"?	And fall short of the glory of God
 3 26	CO	what follows "to demonstrate his righteousness at this present time"?	That he might himself be just and the justifier of him who has faith in Jesus
 3 29	CO	give the missing word: "Isn't he the God of ___ also"	Gentiles
 3 30	CO	how does Paul finish this: "indeed there is one God who will justify the circumcised ..."?	By faith and the uncircumcised through faith
 4  1	CO	what word completes this: "our ___, has found according"?	Forefather
 4  2	CO	give the missing word: "For if Abraham was justified by ___, he has something"	Works
 4  3	CO	give the missing word: "and it was ___ to him for righteousness"	Accounted
 4  3	CO	what follows "For what does the Scripture say? Abraham believed God"?	And it was accounted to him for righteousness
 4  4	CO	what follows "Now to him who works"?	The reward is not counted as grace, but as something owed
 4  6	CO	give the missing word: "blessing on the man to whom God ___ righteousness apart from works"	Counts
 4  7	CO	give the missing word: "Blessed are they whose ___ are forgiven"	Iniquities
 4 10	CO	what word completes this: "or in ___? Not in circumcision"?	Uncircumcision
 4 11	CO	give the missing word: "that righteousness might also be ___ to them"	Accounted
 4 14	CO	what word completes this: "and the ___ is made of no effect"?	Promise
 4 15	CO	what word completes this: "For the law produces ___; for where there"?	Wrath
 4 17	CO	what word completes this: "This is in the ___ of him whom he believed"?	Presence
 4 17	CO	what follows "As it is written, I have made you a father of many nations. This is in the presence of him whom he believed: God"?	Who gives life to the dead, and calls the things that are not, as though they were
 4 19	CO	give the missing word: "Without being weakened in ___, he didn't consider"	Faith
 4 21	CO	what word completes this: "being fully assured that what he had ___, he was also"?	Promised
 4 23	CO	give the missing word: "Now it was not ___ that it was accounted to"	Written
 4 23	CO	what word completes this: "Now it was not ___ that it was accounted to"?	Written
 5  3	CO	what word completes this: "but we also ___ in our sufferings"?	Rejoice
 5  4	CO	what word completes this: "and ___ character"?	Proven
 5  7	CO	what follows "For one will hardly die for a righteous man"?	Yet perhaps for a good person someone would even dare to die
 5  8	CO	what word completes this: "But God ___ his own love toward us"?	Commends
 5 10	CO	what word completes this: "we will be ___ by his life"?	Saved
 5 11	CO	how does Paul finish this: "Not only so, but we also rejoice in God ..."?	Through our Lord Jesus Christ
 5 12	CO	give the missing word: "so ___ passed to all men because"	Death
 5 13	CO	what word completes this: "sin was in the ___; but sin is"?	World
 5 18	CO	how does Paul finish this: "So then as ..."?	Through one trespass
 5 19	CO	what word completes this: "even so through the ___ of the one"?	Obedience
 6  2	CO	what follows "May it never be! We who died to sin"?	How could we live in it any longer
 6  9	CO	what word completes this: "Death no ___ has dominion over him"?	Longer
 6 10	CO	what follows "For the death that he died"?	He died to sin one time; but the life that he lives, he lives to God
 6 12	CO	give the missing word: "Therefore don't let sin reign in your ___ body"	Mortal
 6 15	CO	why does Paul say, "shall we sin"?	Because we are not under law but under grace? May it never be
 6 18	CO	what follows "Being made free from sin"?	You became bondservants of righteousness
 6 18	CO	what word completes this: "you ___ bondservants of righteousness"?	Became
 6 19	CO	why does Paul say, "I speak in human terms"?	Because of the weakness of your flesh; for as you presented your members as servants to uncleanness and
 6 20	CO	what follows "For when you were servants of sin"?	You were free from righteousness
 6 21	CO	what is the end of those things?	Death
 6 22	CO	what word completes this: "you have your ___ of sanctification and the result"?	Fruit
 6 22	CO	what follows "But now, being made free from sin and having become servants of God"?	You have your fruit of sanctification and the result of eternal life
 6 23	CO	what is the free gift of God?	Eternal life in Christ Jesus our Lord
 7  1	CO	give the missing word: "Or don't you know, ___ for I speak to men"	Brothers
 7  2	CO	what follows "For the woman that has a husband is bound by law to the husband while he lives"?	But if the husband dies, she is discharged from the law of the husband
 7  2	CO	what is the woman that has a husband?	Bound by law to the husband while he lives
 7  3	CO	what word completes this: "so that she is no ___, though she is"?	Adulteress
 7  4	CO	what follows "Therefore, my brothers, you also were made dead to the law through the body of Christ, that you would be joined to another, to him who was raised from the dead"?	That we might produce fruit to God
 7  6	CO	what follows "But now we have been discharged from the law"?	Having died to that in which we were held; so that we serve in newness of the spirit, and not in oldness of the letter
 7 10	CO	what word completes this: "this I ___ to be for death"?	Found
 7 10	CO	what follows "The commandment which was for life"?	This I found to be for death
 7 12	CO	give the missing word: "Therefore the law ___ is holy"	Indeed
 7 13	CO	what follows "Did then that which is good become death to me"?	May it never be! But sin, that it might be shown to be sin, was producing death in me through that which is good; that through the commandment sin might become exceedingly sinful
 7 14	CO	what follows "For we know that the law is spiritual, but I am fleshly"?	Sold under sin
 7 14	CO	give the missing word: "For we know that the law is ___, but I am"	Spiritual
 7 15	CO	what follows "For I don't understand what I am doing. For I don't practice what I desire to do"?	But what I hate, that I do
 7 15	CO	what word completes this: "For I don't understand what I am ___. For I don't"?	Doing
 7 16	CO	what follows "But if what I don't desire, that I do"?	I consent to the law that it is good
 7 22	CO	give the missing word: "For I ___ in God's law after the"	Delight
 7 25	CO	what follows "I thank God through Jesus Christ, our Lord! So then with the mind, I myself serve God's law"?	But with the flesh, sin's law
 7 25	CO	give the missing word: "I myself ___ God's law"	Serve
 8  2	CO	what word completes this: "For the law of the ___ of life in Christ Jesus"?	Spirit
 8  3	CO	what word completes this: "in that it was weak through the ___, God did, sending"?	Flesh
 8  5	CO	what follows "For those who live according to the flesh set their minds on the things of the flesh"?	But those who live according to the Spirit, the things of the Spirit
 8  5	CO	what word completes this: "their minds on the things of the ___, but those who"?	Flesh
 8 11	CO	give the missing word: "your mortal bodies through his Spirit who ___ in you"	Dwells
 8 11	CO	how does Paul finish this: "the dead will also give life to your mortal bodies ..."?	Through his Spirit who dwells in you
 8 19	CO	give the missing word: "For the creation ___ with eager expectation for the"	Waits
 8 19	CO	what word completes this: "For the creation waits with eager ___ for the children of God"?	Expectation
 8 22	CO	what word completes this: "For we know that the whole creation ___ and travails in pain together"?	Groans
 8 25	CO	what follows "But if we hope for that which we don't see"?	We wait for it with patience
 8 26	CO	what follows "In the same way"?	The Spirit also helps our weaknesses, for we don't know how to pray as we ought. But the Spirit himself makes intercession for us with groanings which can't be uttered
 8 27	CO	what follows "He who searches the hearts knows what is on the Spirit's mind"?	Because he makes intercession for the saints according to God
 8 28	CO	what word completes this: "We know that all things work ___ for good for those who"?	Together
 8 32	CO	give the missing word: "how would he not also with him ___ give us all things"	Freely
 8 36	CO	give the missing word: "For your sake we are ___ all day long"	Killed
 8 37	CO	how does Paul finish this: "No, in all these things we are more than conquerors ..."?	Through him who loved us
 8 37	CO	what word completes this: "all these things we are more than ___ through him who loved us"?	Conquerors
 8 38	CO	what word completes this: "nor ___, nor principalities, nor"?	Angels
 8 39	CO	give the missing word: "from God's love which is in Christ ___ our Lord"	Jesus
 8 39	CO	what follows "nor height, nor depth"?	Nor any other created thing will be able to separate us from God's love which is in Christ Jesus our Lord
 9  1	CO	what word completes this: "I tell the truth in ___. I am not"?	Christ
 9  2	CO	what word completes this: "that I have great sorrow and ___ pain in my heart"?	Unceasing
 9  2	CO	what word completes this: "that I have ___ sorrow and unceasing pain in"?	Great
 9  3	CO	what follows "For I could wish that I myself were accursed from Christ for my brothers' sake"?	My relatives according to the flesh
 9  4	CO	give the missing word: "who are ___; whose is the"	Israelites
 9  5	CO	give the missing word: "and from whom is Christ as ___ the flesh"	Concerning
 9  6	CO	what word completes this: "For they are not all ___ that are of Israel"?	Israel
 9  6	CO	what follows "But it is not as though the word of God has come to nothing"?	For they are not all Israel that are of Israel
 9  7	CO	what follows "Neither, because they are Abraham's offspring, are they all children"?	But, your offspring will be accounted as from Isaac
 9 12	CO	what follows "it was said to her"?	The elder will serve the younger
 9 12	CO	what word completes this: "The ___ will serve the younger"?	Elder
 9 15	CO	give the missing word: "For he said to ___, I will have"	Moses
 9 20	CO	what follows "But indeed, O man, who are you to reply against God"?	Will the thing formed ask him who formed it, Why did you make me like this
 9 22	CO	give the missing word: "What if God, ___ to show his wrath and"	Willing
 9 23	CO	what word completes this: "known the riches of his glory on ___ of mercy"?	Vessels
 9 24	CO	what follows "us, whom he also called, not from the Jews only"?	But also from the Gentiles
 9 26	CO	what follows "It will be that in the place where it was said to them"?	You are not my people,' there they will be called 'children of the living God
 9 30	CO	what follows "What shall we say then"?	That the Gentiles, who didn't follow after righteousness, attained to righteousness, even the righteousness which is of faith
 9 30	CO	give the missing word: "That the ___, who didn't follow"	Gentiles
 9 31	CO	what word completes this: "following after a law of ___, didn't arrive at"?	Righteousness
10  1	CO	give the missing word: "and my prayer to God is for ___, that they may"	Israel
10  2	CO	what follows "For I testify about them that they have a zeal for God"?	But not according to knowledge
10  4	CO	who is the fulfillment of the law for righteousness to everyone who believes?	Christ
10  6	CO	what is the righteousness which?	Of faith says this
10  9	CO	what follows "that if you will confess with your mouth that Jesus is Lord and believe in your heart that God raised him from the dead"?	You will be saved
10 10	CO	give the missing word: "and with the ___ confession is made resulting in"	Mouth
10 10	CO	what follows "For with the heart one believes resulting in righteousness"?	And with the mouth confession is made resulting in salvation
10 15	CO	what follows "And how will they preach unless they are sent? As it is written: How beautiful are the feet of those who preach the Good News of peace"?	Who bring glad tidings of good things
10 19	CO	what word completes this: "First ___ says"?	Moses
10 20	CO	give the missing word: "I was ___ to those who didn't ask"	Revealed
11  1	CO	what word completes this: "a ___ of Abraham"?	Descendant
11  2	CO	what follows "God didn't reject his people"?	Whom he foreknew. Or don't you know what the Scripture says about Elijah? How he pleads with God against Israel
11  3	CO	give the missing word: "They have ___ down your altars"	Broken
11  5	CO	give the missing word: "there is a remnant according to the ___ of grace"	Election
11  8	CO	who gave them a spirit of stupor?	God
11 13	CO	what follows "For I speak to you who are Gentiles. Since then as I am an apostle to Gentiles"?	I glorify my ministry
11 13	CO	give the missing word: "For I ___ to you who are Gentiles"	Speak
11 14	CO	what follows "if by any means I may provoke to jealousy those who are my flesh"?	And may save some of them
11 18	CO	give the missing word: "remember that it is not you who ___ the root"	Support
11 19	CO	what follows "You will say then, Branches were broken off"?	That I might be grafted in
11 22	CO	what word completes this: "if you continue in his ___; otherwise you also"?	Goodness
11 23	CO	give the missing word: "will be ___ in"	Grafted
11 23	CO	what follows "They also, if they don't continue in their unbelief, will be grafted in"?	For God is able to graft them in again
11 25	CO	give the missing word: "so that you ___ be wise in your own"	Won't
11 28	CO	give the missing word: "But concerning the ___, they are beloved"	Election
11 31	CO	what word completes this: "that by the mercy ___ to you they may also"?	Shown
11 32	CO	who has bound all to disobedience?	God
11 33	CO	what follows "Oh the depth of the riches both of the wisdom and the knowledge of God! How unsearchable are his judgments"?	And his ways past tracing out
12  1	CO	how does Paul finish this: "Therefore I urge you, brothers ..."?	By the mercies of God
12  2	CO	give the missing word: "Don't be conformed to this ___, but be transformed"	World
12  5	CO	what word completes this: "and ___ members of one another"?	Individually
12  6	CO	what word completes this: "if prophecy, ___ prophesy according to the proportion"?	Let's
12  7	CO	what follows "or service, let's give ourselves to service; or he who teaches"?	To his teaching
12  8	CO	what word completes this: "let him do it with ___; he who rules"?	Generosity
12 10	CO	what follows "In love of the brothers be tenderly affectionate to one another"?	In honor prefer one another
12 10	CO	give the missing word: "In love of the brothers be ___ affectionate to one another"	Tenderly
12 11	CO	what follows "not lagging in diligence"?	Fervent in spirit, serving the Lord
12 13	CO	what follows "contributing to the needs of the saints"?	And given to hospitality
12 14	CO	what follows "Bless those who persecute you; bless"?	And don't curse
12 16	CO	what follows "Be of the same mind one toward another"?	Don't set your mind on high things, but associate with the humble. Don't be wise in your own conceits
12 16	CO	what word completes this: "but associate with the ___. Don't be wise"?	Humble
12 21	CO	how does Paul finish this: "Don't be overcome ..."?	By evil
13  3	CO	what follows "For rulers are not a terror to the good work"?	But to the evil. Do you desire to have no fear of the authority? Do that which is good, and you will have praise from the authority
13  6	CO	what follows "For this reason you also pay taxes"?	For they are servants of God's service, continually doing this very thing
13  9	CO	give the missing word: "all summed up in this saying, ___, You shall love"	Namely
13  9	CO	give the missing word: "You shall love your ___ as yourself"	Neighbor
13 11	CO	what word completes this: "it is already time for you to ___ out of sleep"?	Awaken
13 13	CO	what word completes this: "and not in ___ and jealousy"?	Strife
13 14	CO	what word completes this: "and make no ___ for the flesh"?	Provision
14  5	CO	what follows "One man esteems one day as more important"?	Another esteems every day alike. Let each man be fully assured in his own mind
14  7	CO	give the missing word: "For none of us ___ to himself"	Lives
14  7	CO	what follows "For none of us lives to himself"?	And none dies to himself
14  9	CO	give the missing word: "and ___ again"	Lived
14 12	CO	what word completes this: "then each one of us will give ___ of himself to God"?	Account
14 13	CO	give the missing word: "or an ___ for falling"	Occasion
14 15	CO	what follows "Yet if because of food your brother is grieved, you walk no longer in love"?	Don't destroy with your food him for whom Christ died
14 17	CO	what follows "for God's Kingdom is not eating and drinking, but righteousness, peace"?	And joy in the Holy Spirit
14 17	CO	what word completes this: "but ___, peace, and joy"?	Righteousness
14 19	CO	what word completes this: "So then, ___ follow after things which make"?	Let's
14 22	CO	give the missing word: "Do you have ___? Have it to"	Faith
14 23	CO	why does Paul say, "but he who doubts is condemned if he eats"?	Because it isn't of faith; and whatever is not of faith is sin. Now to him who is
15  3	CO	give the missing word: "The ___ of those who reproached you"	Reproaches
15  4	CO	what follows "For whatever things were written before were written for our learning"?	That through perseverance and through encouragement of the Scriptures we might have hope
15 11	CO	what word completes this: "all you ___! Let all the"?	Gentiles
15 14	CO	what follows "I myself am also persuaded about you"?	My brothers, that you yourselves are full of goodness, filled with all knowledge, able also to admonish others
15 18	CO	what follows "For I will not dare to speak of any things except those which Christ worked through me for the obedience of the Gentiles"?	By word and deed
15 19	CO	give the missing word: "in the power of ___ Spirit"	God's
15 20	CO	what follows "yes, making it my aim to preach the Good News"?	Not where Christ was already named, that I might not build on another's foundation
15 21	CO	what follows "But, as it is written, They will see"?	To whom no news of him came. They who haven't heard will understand
15 24	CO	what follows "whenever I travel to Spain, I will come to you. For I hope to see you on my journey"?	And to be helped on my way there by you, if first I may enjoy your company for a while
15 25	CO	give the missing word: "I am ___ to Jerusalem"	Going
15 26	CO	give the missing word: "For it has been the good ___ of Macedonia and Achaia to"	Pleasure
15 29	CO	what follows "I know that when I come to you"?	I will come in the fullness of the blessing of the Good News of Christ
15 29	CO	what word completes this: "I will come in the ___ of the blessing of the"?	Fullness
15 32	CO	how does Paul finish this: "that I may come to you in joy ..."?	Through the will of God
15 33	CO	give the missing word: "Now the God of ___ be with you all"	Peace
15 33	CO	what word completes this: "Now the God of ___ be with you all"?	Peace
16  1	CO	what follows "I commend to you Phoebe, our sister"?	Who is a servantof the assembly that is at Cenchreae
16  2	CO	what follows "that you receive her in the Lord in a way worthy of the saints"?	And that you assist her in whatever matter she may need from you, for she herself also has been a helper of many, and of my own self
16  2	CO	give the missing word: "her in the Lord in a way ___ of the saints"	Worthy
16  6	CO	give the missing word: "who ___ much for us"	Labored
16 13	CO	what follows "Greet Rufus, the chosen in the Lord"?	And his mother and mine
16 14	CO	give the missing word: "Greet Asyncritus, ___, Hermes, Patrobas, Hermas"	Phlegon
16 15	CO	give the missing word: "and ___, and all the"	Olympas
16 15	CO	what follows "Greet Philologus and Julia"?	Nereus and his sister, and Olympas, and all the saints who are with them
16 19	CO	what follows "For your obedience has become known to all. I rejoice therefore over you. But I desire to have you wise in that which is good"?	But innocent in that which is evil
16 20	CO	what follows "And the God of peace will quickly crush Satan under your feet"?	The grace of our Lord Jesus Christ be with you
16 21	CO	what follows "Timothy, my fellow worker, greets you, as do Lucius"?	Jason, and Sosipater, my relatives
16 22	CO	what follows "I, Tertius, who write the letter"?	Greet you in the Lord
17  1	CO	what follows "James, a servant of God and of the Lord Jesus Christ"?	To the twelve tribes which are in the Dispersion: Greetings
17  1	CO	what word completes this: "a ___ of God and of the"?	Servant
17  3	CO	give the missing word: "knowing that the testing of your ___ produces endurance"	Faith
17  7	CO	what word completes this: "man shouldn't think that he will receive ___ from the Lord"?	Anything
17  9	CO	give the missing word: "Let the ___ in humble circumstances glory in"	Brother
17 10	CO	why does James say, "and the rich, in that he is made humble"?	Because like the flower in the grass, he will pass away
17 13	CO	how does James finish this: "I am tempted ..."?	By God
17 14	CO	what word completes this: "But each one is ___ when he is drawn away"?	Tempted
17 18	CO	what word completes this: "Of his own will he gave ___ to us by the word"?	Birth
17 18	CO	what follows "Of his own will he gave birth to us by the word of truth"?	That we should be a kind of first fruits of his creatures
17 19	CO	give the missing word: "my beloved ___, let every man"	Brothers
17 23	CO	what follows "For if anyone is a hearer of the word and not a doer"?	He is like a man looking at his natural face in a mirror
17 23	CO	what word completes this: "is like a man looking at his ___ face in a mirror"?	Natural
17 24	CO	what follows "for he sees himself, and goes away"?	And immediately forgets what kind of man he was
17 26	CO	what word completes this: "himself to be religious while he doesn't ___ his tongue"?	Bridle
17 26	CO	what follows "If anyone among you thinks himself to be religious while he doesn't bridle his tongue, but deceives his heart"?	This man's religion is worthless
18  1	CO	what word completes this: "don't hold the faith of our ___ Lord Jesus Christ with partiality"?	Glorious
18  1	CO	what word completes this: "hold the faith of our glorious Lord ___ Christ with partiality"?	Jesus
18  2	CO	what follows "For if a man with a gold ring, in fine clothing"?	Comes into your synagogue, and a poor man in filthy clothing also comes in
18  2	CO	what word completes this: "and a poor man in ___ clothing also comes in"?	Filthy
18  3	CO	how does James finish this: "Stand there, or Sit ..."?	By my footstool
18  3	CO	what follows "and you pay special attention to him who wears the fine clothing and say, Sit here in a good place"?	And you tell the poor man, Stand there, or Sit by my footstool
18  4	CO	what follows "haven't you shown partiality among yourselves"?	And become judges with evil thoughts
18  8	CO	what follows "However, if you fulfill the royal law according to the Scripture"?	You shall love your neighbor as yourself, you do well
18  8	CO	what word completes this: "if you fulfill the ___ law according to the Scripture"?	Royal
18 10	CO	what follows "For whoever keeps the whole law"?	And yet stumbles in one point, he has become guilty of all
18 19	CO	what follows "You believe that God is one"?	You do well. The demons also believe--and shudder
18 22	CO	what follows "You see that faith worked with his works"?	And by works faith was perfected
19  2	CO	what word completes this: "doesn't stumble in word is a perfect ___, able to bridle"?	Person
19  4	CO	how does James finish this: "though they are so big and are driven ..."?	By fierce winds
19  5	CO	what is the tongue?	Also a little member
19  6	CO	give the missing word: "which defiles the ___ body"	Whole
19 11	CO	what word completes this: "spring send out from the same opening ___ and bitter water"?	Fresh
19 16	CO	what word completes this: "there is ___ and every evil deed"?	Confusion
19 16	CO	what follows "For where jealousy and selfish ambition are"?	There is confusion and every evil deed
20  1	CO	what word completes this: "Don't they come from your ___ that war in your members"?	Pleasures
20  6	CO	give the missing word: "God ___ the proud"	Resists
20  6	CO	what follows "But he gives more grace. Therefore it says"?	God resists the proud, but gives grace to the humble
20  7	CO	what word completes this: "Be subject ___ to God"?	Therefore
20  9	CO	what follows "Lament, mourn, and weep"?	Let your laughter be turned to mourning and your joy to gloom
20 11	CO	give the missing word: "He who speaks against a brother and ___ his brother"	Judges
20 12	CO	what follows "Only one is the lawgiver"?	Who is able to save and to destroy. But who are you to judge another
20 13	CO	what word completes this: "city and spend a year there, ___, and make a"?	Trade
20 15	CO	what word completes this: "If the Lord ___, we will both"?	Wills
21  2	CO	give the missing word: "Your riches are corrupted and your ___ are moth-eaten"	Garments
21  6	CO	what follows "You have condemned and you have murdered the righteous one"?	He doesn't resist you
21  9	CO	what word completes this: "the ___ stands at the door"?	Judge
21 12	CO	what word completes this: "my ___, don't swear-- not"?	Brothers
21 13	CO	what follows "Is any among you suffering? Let him pray. Is any cheerful"?	Let him sing praises
21 14	CO	what follows "Is any among you sick? Let him call for the elders of the assembly"?	And let them pray over him, anointing him with oil in the name of the Lord
21 14	CO	what word completes this: "and let them pray over him, ___ him with oil in the"?	Anointing
21 17	CO	what follows "Elijah was a man with a nature like ours, and he prayed earnestly that it might not rain"?	And it didn't rain on the earth for three years and six months
21 18	CO	what follows "He prayed again, and the sky gave rain"?	And the earth produced its fruit
21 18	CO	what word completes this: "and the ___ produced its fruit"?	Earth
